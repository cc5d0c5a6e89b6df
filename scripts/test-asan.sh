#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer and runs every test
# (engine and window). Any report stops the test that made it, so the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset asan
cmake --build --preset asan
ctest --preset asan
