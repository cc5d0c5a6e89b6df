#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds everything and runs every test. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset dev
cmake --build --preset dev
ctest --preset dev
