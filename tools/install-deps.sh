#!/usr/bin/env bash
# Installs every Debian package Talvern needs to build, run and test.
# Idempotent: packages already present are skipped, so a second run does nothing.
# Works as root (no sudo needed) or through sudo for an ordinary user.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  # Qt 6 (Widgets, Multimedia, Network, WebEngine, Svg, Test) and its runtime bits
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-webengine-dev qt6-svg-dev
  qt6-qpa-plugins qt6-image-formats-plugins qt6-translations-l10n libqt6svg6
  # the X11 window properties Qt leaves no way to set (an untitled title bar)
  libxcb1-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa
  # music
  libfluidsynth-dev timgm6mb-soundfont
  # the game recall's JSON lines
  nlohmann-json3-dev
  # fonts with Cyrillic glyphs
  fonts-dejavu-core fonts-liberation2
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # running the real program headless, clicking it and looking at it
  xvfb xauth xdotool imagemagick sox x11-utils
  # the benchmark's stopwatch on the X display (tools/bench/xprobe.cpp) and
  # the session bus it runs the programs in, as a desktop would
  libxcb-xtest0-dev libxcb-damage0-dev dbus-daemon
  # checking the desktop entry and the AppStream data
  desktop-file-utils appstream
  # the manual pages, the package's changelog, and Debian's own package checker
  scdoc dpkg-dev man-db lintian
  # measuring the time and memory of whole runs
  time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
run apt-get update -q
run apt-get install -y -q --no-install-recommends "${missing[@]}"
