#!/usr/bin/env bash
# Sets up a Debian 12 machine, cross-builds the engine and the Windows window for 64-bit Windows
# with MinGW-w64 (their GoogleTest suites, the reference and window drivers, belvik.exe with its
# version record, icon and manifest, and the MSI) and runs them under Wine on a virtual display:
# the suites must pass, every generated case print the model's text through the engine and
# through the real window, every power the exact one, the version record read back as
# configured, the narrow-screen refusal show, and the MSI install, start and uninstall cleanly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows

cmake --preset windows
cmake --build --preset windows

# Wine in a prefix of its own in the build folder; the test preset uses the same settings. A
# screen tall enough for the window at 144 DPI (800 pixels high).
export WINEPREFIX="$PWD/build/windows/wineprefix"
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-session.sh ctest --preset windows
