#!/usr/bin/env bash
# Start-up under Wine, from CreateProcess to the first shown window, of belvik.exe beside an
# empty Win32 window (bench/bare_window.cpp), ROUNDS rounds interleaved on one virtual display;
# prints every time and the medians in milliseconds. Needs the windows preset built.
# Usage: bench/win32_startup.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-15}
build="$PWD/build/windows"
export WINEPREFIX="$build/wineprefix" ROUNDS=$rounds BUILD=$build
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-session.sh bash -c '
  wine=/usr/lib/wine/wine64 driver="$BUILD/tests/win32/window_driver.exe"
  "$wine" "$driver" starts "Z:$BUILD/tests/win32/bare_window.exe" >/dev/null  # warm the server
  for round in $(seq "$ROUNDS"); do
    echo "belvik $("$wine" "$driver" starts "Z:$BUILD/win32/belvik.exe" frmbelvik)"
    echo "bare $("$wine" "$driver" starts "Z:$BUILD/tests/win32/bare_window.exe")"
  done' | tee /dev/stderr | python3 -c '
import statistics, sys
times = {}
for line in sys.stdin:
    name, ms = line.split()
    times.setdefault(name, []).append(float(ms))
b, e = statistics.median(times["belvik"]), statistics.median(times["bare"])
print("median of %d: belvik.exe %.1f ms, bare window %.1f ms, ratio %.2f" % (len(times["bare"]), b, e, b / e))'
