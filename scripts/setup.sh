#!/usr/bin/env bash
# Sets up a Debian 12 machine for the project: installs the packages of each GROUP that are
# missing, as root or through sudo. The build, test, run and measuring scripts call it.
# Usage: setup.sh [GROUP...]   GROUP: build (the default), screenshots, bench, windows, all
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

packages=()
for group in "${@:-build}"; do
  case $group in
    build) packages+=("${belvik_build_packages[@]}") ;;
    screenshots) packages+=("${belvik_screenshot_packages[@]}") ;;
    bench) packages+=("${belvik_bench_packages[@]}") ;;
    windows) packages+=("${belvik_windows_packages[@]}") ;;
    all) packages+=("${belvik_build_packages[@]}" "${belvik_screenshot_packages[@]}"
                    "${belvik_bench_packages[@]}" "${belvik_windows_packages[@]}") ;;
    *) echo "unknown group: $group (build, screenshots, bench, windows or all)" >&2; exit 2 ;;
  esac
done
belvik_install_missing "${packages[@]}"
