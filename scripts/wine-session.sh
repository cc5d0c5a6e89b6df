#!/usr/bin/env bash
# Runs a command with Wine in the prefix WINEPREFIX on the display DISPLAY (a virtual one), and
# stops the prefix's Wine server afterwards, so nothing is left running. A new prefix is set up
# first: no offer to install Mono or Gecko; Chinese faces for the names Windows programs ask for
# (宋体 for the result box, MS Shell Dlg for captions, menus and message boxes); Wine drawing the
# window frames itself, as no window manager runs, with the face of their buttons; and no menu
# entries written outside the prefix.
# BELVIK_DPI sets the display's pixel density (96 unless given).
# Usage: wine-session.sh COMMAND...
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX}" "${DISPLAY:?run on a display, for example under xvfb-run}"
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
trap '/usr/lib/wine/wineserver64 -k 2>/dev/null || true' EXIT

if [ ! -f "$WINEPREFIX/belvik-prefix" ]; then
  "$wine" wineboot --init >/dev/null 2>&1
  substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  for face in SimSun 宋体 NSimSun; do
    "$wine" reg add "$substitutes" /v "$face" /d "Noto Serif CJK SC" /f >/dev/null
  done
  for face in "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft YaHei" "Microsoft YaHei UI"; do
    "$wine" reg add "$substitutes" /v "$face" /d "Noto Sans CJK SC" /f >/dev/null
  done
  # Wine draws the frames' buttons in its Marlett face, which Debian's Wine does not find
  # among its own fonts.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  "$wine" reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d "" /f >/dev/null
  touch "$WINEPREFIX/belvik-prefix"
fi
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${BELVIK_DPI:-96}" \
  /f >/dev/null

"$@"
