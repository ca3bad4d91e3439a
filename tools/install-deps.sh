#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and only those
# that are missing. Works as root; uses sudo otherwise.
set -euo pipefail

packages=(g++ make cmake pkg-config qt6-base-dev qt6-multimedia-dev qt6-websockets-dev libqrencode-dev
  fonts-dejavu-core fonts-liberation)
# The suite's checkers: python3 for both, a virtual display for the game's,
# and clang-format for the formatting check.
packages+=(python3 xvfb xauth xdotool clang-format)
# The browser test of the web client: Debian's Chromium, its driver and Selenium
# for the system's python3.
packages+=(chromium chromium-driver python3-selenium)
# The install check of the suite validates the menu entry and the metadata;
# the package check builds the packages and installs them in a scratch root.
packages+=(desktop-file-utils appstream dpkg-dev fakeroot systemd)
if [ "${1:-}" = "--package" ]; then
  packages+=(file lintian)
fi
if [ "${1:-}" = "--tools" ]; then
  packages+=(imagemagick espeak-ng sox qt6-svg-dev openbox x11-utils vorbis-tools)
fi
# Only the answer-bank generator (tools/answer-bank) reads these; the build never does.
if [ "${1:-}" = "--bank" ]; then
  packages=(python3 wordnet-base wamerican miscfiles iso-codes kgeography-data)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
