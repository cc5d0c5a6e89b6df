#!/usr/bin/env bash
# Builds the release program and its Debian package; prints the package's path.
# Install it with: sudo apt-get install ./build/release/belvik_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset release
cmake --build --preset release
(cd build/release && cpack -G DEB >/dev/null)
ls "$PWD"/build/release/belvik_*.deb
