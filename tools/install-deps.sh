#!/usr/bin/env bash
# Installs the Debian packages Helion needs to build, test and run.
# Only missing packages are installed; runs as root, or through sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config clang-format
  qt6-base-dev qt6-svg-dev libgl-dev
  libswe-dev swe-basic-data
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  fonts-liberation2 tzdata
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
