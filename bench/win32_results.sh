#!/usr/bin/env bash
# The result's commands on Windows timed under Wine on a virtual display (chart paints, table
# copy, CSV export, printing into metafiles); see bench/win32_results_bench.cpp. Needs the
# windows preset built.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEPREFIX="$PWD/build/windows/wineprefix"
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-session.sh \
  /usr/lib/wine/wine64 build/windows/tests/win32/win32_results_bench.exe
