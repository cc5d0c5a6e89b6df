# Debian 12 packages the project needs, by what needs them; scripts/setup.sh installs them.

belvik_build_packages=(cmake ninja-build g++ libgtest-dev python3
  # The reference power of the engine's checks: arbitrary precision (test only).
  python3-mpmath
  # The window: Qt Widgets and Qt Test, Qt SVG for saving charts, and the Chinese faces: Noto
  # Sans CJK for every caption and Noto Serif CJK SC, the result box's Song face, both in
  # fonts-noto-cjk.
  qt6-base-dev qt6-svg-dev fonts-noto-cjk
  # Qt's own texts in Chinese: message-box buttons, context menus, dialogs.
  qt6-translations-l10n
  # Print-outs: a Chinese face whose PDF text copies back as written, and the PDF reader the
  # tests check them with.
  fonts-wqy-microhei poppler-utils
  # The Debian package and its check: computed dependencies, menu entry and AppStream checks,
  # Debian's policy checker.
  dpkg-dev file desktop-file-utils appstream lintian
  # The end-to-end check: the real window on a virtual display, read over the accessibility bus
  # and through the clipboard, and its outer size measured bare and under a window manager.
  xvfb xauth xdotool xclip dbus-daemon at-spi2-core python3-pyatspi x11-utils openbox)

# scripts/test-windows.sh: the engine and the Windows window cross-built for 64-bit Windows with
# static runtimes, GoogleTest from its sources, and Wine to run the programs; the window on a
# virtual display in Wine's own fonts (caption buttons) and a Chinese face for its texts; the
# MSI built with wixl and msibuild.
belvik_windows_packages=(cmake ninja-build python3 python3-mpmath g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 googletest wine64 fonts-wine fonts-noto-cjk xvfb xauth wixl msitools)

# scripts/screenshots.sh only: the window on a virtual display, driven over the accessibility
# bus, and a way to capture it.
belvik_screenshot_packages=(xvfb xauth xdotool dbus-daemon at-spi2-core python3-pyatspi
  imagemagick)

# scripts/bench.sh only: Google Benchmark, the X client library the start-up launcher watches
# the display with, and valgrind for bench/engine_instructions.sh.
belvik_bench_packages=(libbenchmark-dev libxcb1-dev valgrind)

# Installs the packages given that are not installed yet, as root or through sudo.
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
