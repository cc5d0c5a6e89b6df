#!/usr/bin/env bash
# Builds the release program and its Debian package, and the Windows program's MSI beside it
# (cross-built with MinGW-w64, packed by wixl); prints both paths.
# Install the .deb with: sudo apt-get install ./build/release/belvik_*.deb
# Install the MSI on Windows with: msiexec /i belvik-1.0.6.msi
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build windows

cmake --preset release
cmake --build --preset release
(cd build/release && cpack -G DEB >/dev/null)
cmake --preset windows >/dev/null
cmake --build --preset windows --target belvik_msi
cp build/windows/belvik-*.msi build/release/
ls "$PWD"/build/release/belvik_*.deb "$PWD"/build/release/belvik-*.msi
