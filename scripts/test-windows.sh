#!/usr/bin/env bash
# Sets up a Debian 12 machine, cross-builds the engine for 64-bit Windows with MinGW-w64 (its
# GoogleTest suite, the reference drivers and a program file with the version record) and runs
# them under Wine: the suite must pass, every generated case print the model's text and every
# power the exact one, bit for bit as on Linux, and the version record read back as configured.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows

cmake --preset windows-engine
cmake --build --preset windows-engine

# Wine in a prefix of its own in the build folder, set up without a display and without
# offering to install Mono or Gecko; the test preset uses the same settings. Its server is
# stopped at the end, so nothing is left running.
export WINEPREFIX="$PWD/build/windows-engine/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
trap '/usr/lib/wine/wineserver64 -k 2>/dev/null || true' EXIT
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1

ctest --preset windows-engine
