#!/usr/bin/env bash
# Builds the release program, runs it on a virtual X display, fills each pane with sample
# inputs over the accessibility bus, presses its 计算 button and saves one PNG per pane in
# docs/screenshots/, with the result's chart from the result box's context menu; then the
# context menu itself, the 反推每月定投 window and the schedule it fills in, and a PDF export's
# progress dialog and first page.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build screenshots

cmake --preset release
cmake --build --preset release --target belvik pane_table
mkdir -p docs/screenshots
# Qt publishes its widgets on the bus only when asked or when a screen reader is running; Debian's
# pyatspi is for Debian's own python3.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  trap "kill $launcher 2>/dev/null" EXIT
  /usr/bin/python3 scripts/screenshot_panes.py build/release/ui/belvik build/release/tests/e2e/pane_table \
    docs/screenshots'
