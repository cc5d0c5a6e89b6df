#!/usr/bin/env bash
# Sets up a Debian 12 machine if needed, builds the release program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the window on; on a machine without one, run: xvfb-run scripts/run.sh" >&2
  exit 1
fi

scripts/setup.sh

cmake --preset release
cmake --build --preset release --target belvik
exec build/release/ui/belvik
