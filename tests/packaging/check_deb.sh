#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks what it installs:
# the program, its menu entry, its AppStream record, every icon size, the copyright file,
# changelog and manual page, and that lintian finds no error and no warning in it.
# Usage: check_deb.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/contents"

status=0
expect() {
  if grep -qx "$1" "$work/contents"; then echo "ok: $1"; else echo "MISSING: $1"; status=1; fi
}
expect /usr/bin/belvik
expect /usr/share/applications/org.fenmoor.Belvik.desktop
expect /usr/share/metainfo/org.fenmoor.Belvik.metainfo.xml
for size in 16 32 48 64 128 256; do
  expect "/usr/share/icons/hicolor/${size}x${size}/apps/belvik.png"
done
expect /usr/share/icons/hicolor/scalable/apps/belvik.svg
expect /usr/share/doc/belvik/copyright
expect /usr/share/doc/belvik/changelog.gz
expect /usr/share/man/man1/belvik.1.gz

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in
  *fonts-noto-cjk*) ;;
  *) echo "MISSING dependency: fonts-noto-cjk"; status=1 ;;
esac
case "$depends" in
  *qt6-translations-l10n*) ;;
  *) echo "MISSING dependency: qt6-translations-l10n"; status=1 ;;
esac
case "$depends" in
  *libqt6widgets6*) ;;
  *) echo "MISSING computed dependency on the Qt libraries"; status=1 ;;
esac

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.fenmoor.Belvik.desktop" || status=1
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.fenmoor.Belvik.metainfo.xml" ||
  status=1

# Information tags (-I) are printed for the reader; only errors and warnings fail.
lintian -I --fail-on error,warning "$deb" || status=1
exit $status
