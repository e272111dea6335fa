#!/usr/bin/env bash
# Installs the Debian packages Tessella needs to build, run and test.
# Idempotent: packages already present are not touched, and apt-get update
# runs only when something is missing. Needs root (or sudo).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang-tidy
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libqt6svg6
  libsdl2-dev libstb-dev
  libgtest-dev libgmock-dev libbenchmark-dev libimagequant-dev
  xvfb xauth xdotool x11-utils imagemagick sox
  fonts-dejavu-core
  dpkg-dev fakeroot
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
