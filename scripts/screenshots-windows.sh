#!/usr/bin/env bash
# Builds belvik.exe, runs it under Wine on a virtual X display and saves one PNG per pane in
# docs/screenshots/ (windows-*.png), filled with the same sample inputs as the Linux shots, and
# the result box's menu, the chart, 反推每月定投 and a printed page; then the panes again at 144
# DPI.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows screenshots

cmake --preset windows
cmake --build --preset windows --target belvik_exe window_driver page_picture
export WINEPREFIX="$PWD/build/windows/wineprefix"
shoot() {
  xvfb-run -a -s "-screen 0 1280x1024x24 -br" scripts/wine-session.sh python3 \
    scripts/screenshot_windows.py build/windows/tests/win32/window_driver.exe \
    "$PWD/build/windows/win32/belvik.exe" build/windows/tests/win32/page_picture.exe \
    docs/screenshots "$@"
}
shoot
BELVIK_DPI=144 shoot -144dpi
