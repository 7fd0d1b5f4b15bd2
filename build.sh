#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and then starts the program or runs the tests.
#   ./build.sh run    build and start Brightsum
#   ./build.sh test   build and run the whole test suite headless
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev qt6-charts-dev libpulse-dev libsndfile1-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6opengl6-dev libgl-dev fonts-liberation poppler-utils desktop-file-utils appstream
  at-spi2-core python3-pyatspi dbus-daemon xvfb xauth xdotool dpkg-dev file lintian
  # Reading aloud, which the program does without when they are missing: the
  # toolkit's speech library (its headers need the QML ones), its plugin for
  # the speech service, the service and its voices.
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_if_needed apt-get update
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

case "${1:-run}" in
  run) exec ./build/brightsum ;;
  test) cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
