#!/usr/bin/env bash
# Drives the real window on a virtual display through the desktop's accessibility bus, the way
# a screen reader or an acceptance check does. Usage: run_atspi.sh BELVIK PANE_TABLE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Qt publishes its widgets on the bus only when asked or when a screen reader is running.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
# Under AddressSanitizer: libxkbcommon-x11 hands strndup a key-map name that is not terminated
# within its buffer, and the strict string check reads past it. The check is only relaxed here,
# where the real X platform runs; the offscreen window tests keep it.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}strict_string_checks=0"
unset WAYLAND_DISPLAY
exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  trap "kill $launcher 2>/dev/null" EXIT
  /usr/bin/python3 "$0" "$@"' "$here/atspi_e2e.py" "$@"
