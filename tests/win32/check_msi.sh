#!/usr/bin/env bash
# The installer under Wine: a quiet install puts belvik.exe in Program Files, the Start-menu
# shortcut and the Apps & features entry (储蓄与养老计算器, 1.0.6) in place; the installed program
# starts and shows its window; a quiet uninstall leaves no file, shortcut or registry key of ours.
# Usage: check_msi.sh MSI WINDOW_DRIVER   (WINE, WINEPREFIX and a display from the environment)
set -euo pipefail
msi=$1 driver=$2
name=储蓄与养老计算器
drive_c="$WINEPREFIX/drive_c"
program="$drive_c/Program Files/Fenmoor/belvik.exe"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# Every key of ours in the registry with its values, as text: the Apps & features entry and
# anything under the maker's name.
ours() {
  for key in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 'HKLM\Software\Fenmoor' \
             'HKCU\Software\Fenmoor'; do
    if "$WINE" reg export "$key" ours.reg /y >/dev/null 2>&1; then
      iconv -f UTF-16 -t UTF-8 ours.reg | tr -d '\r'
    fi
  done | awk -v RS= "/$name|Fenmoor/"
  rm -f ours.reg
}
shortcut() { find "$drive_c" -name "$name.lnk"; }

cd "$(dirname "$msi")"
"$WINE" msiexec /i "$(basename "$msi")" /qn || fail "install ended with status $?"
[ -f "$program" ] || fail "no $program"
[ -n "$(shortcut)" ] || fail "no Start-menu shortcut $name.lnk"
entry=$(ours)
grep -q "\"DisplayName\"=\"$name\"" <<<"$entry" || fail "no Apps & features entry named $name"
grep -q '"DisplayVersion"="1.0.6"' <<<"$entry" || fail "the entry's version is not 1.0.6"
shown=$("$WINE" "$driver" starts 'C:\Program Files\Fenmoor\belvik.exe' frmbelvik) ||
  fail "the installed program did not show its window and end with status 0"
echo "installed program showed its window after ${shown:-?} ms"

"$WINE" msiexec /x "$(basename "$msi")" /qn || fail "uninstall ended with status $?"
[ ! -e "$drive_c/Program Files/Fenmoor" ] || fail "Program Files\\Fenmoor left behind"
[ -z "$(shortcut)" ] || fail "shortcut left behind: $(shortcut)"
left=$(ours)
[ -z "$left" ] || fail "registry entries left behind: $left"

echo "msi: install, start and uninstall $([ $failures -eq 0 ] && echo as expected || echo wrong)"
[ $failures -eq 0 ]
