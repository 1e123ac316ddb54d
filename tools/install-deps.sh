#!/usr/bin/env bash
# Installs the Debian packages Helion needs to build, test and run.
# Only missing packages are installed; runs as root, or through sudo otherwise.
# --font-tools adds what tools/make_horary_font.py needs to rebuild the wheel glyph font
# data/horary.ttf; --data-tools adds Node and npm, which the generator of the atlas place
# list (tools/make_atlas_file.js) needs. Building and testing Helion need neither.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config clang-format
  qt6-base-dev qt6-svg-dev libgl-dev
  libswe-dev swe-basic-data
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  fonts-liberation2 tzdata
  xvfb xauth openbox xdotool x11-utils poppler-utils imagemagick
  dpkg-dev appstream desktop-file-utils debootstrap
  locales
  clang-14 libclang-rt-14-dev
)
if [ "${1:-}" = "--font-tools" ]; then
  packages+=(python3-fontforge fonts-noto-core)
fi
if [ "${1:-}" = "--data-tools" ]; then
  packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)  # some Node builds bring their own npm
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The test suite runs once more under a locale whose decimal separator is the comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale de_DE.UTF-8"
  "${sudo[@]}" sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen
fi
