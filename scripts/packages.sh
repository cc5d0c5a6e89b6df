# Debian 12 packages the project needs; sourced by the set-up scripts.
# Installs only what is missing, as root or through sudo.

belvik_build_packages=(cmake ninja-build g++ libgtest-dev python3
  # The reference power of the engine's checks: arbitrary precision (test only).
  python3-mpmath
  # The window: Qt Widgets and Qt Test, the private headers the result box needs, and a
  # Chinese face for every caption.
  qt6-base-dev qt6-base-private-dev fonts-noto-cjk
  # The Debian package and its check: computed dependencies, menu entry and AppStream checks.
  dpkg-dev file desktop-file-utils appstream
  # The end-to-end check: the real window on a virtual display, read over the accessibility bus.
  xvfb xauth xdotool dbus-daemon at-spi2-core python3-pyatspi)

# scripts/test-windows.sh: the engine cross-built for 64-bit Windows with static runtimes,
# GoogleTest from its sources, and Wine to run the programs.
belvik_windows_packages=(cmake ninja-build python3 python3-mpmath g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 googletest wine64)

# scripts/screenshots.sh only: a virtual display, a way to type into it and to capture it.
belvik_screenshot_packages=(xvfb xauth xdotool imagemagick)

belvik_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
