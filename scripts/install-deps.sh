#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Only missing packages are installed, so a prepared machine pays nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  libgtest-dev libgmock-dev libbenchmark-dev
  libgl-dev libglu1-mesa-dev libegl-dev libegl-mesa0 libgl1-mesa-dri libgles-dev
  libfreetype-dev libfontconfig-dev fonts-liberation libftgl-dev libpng-dev
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-image-formats-plugins libx11-dev
  lib3ds-dev libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
  xvfb xauth clang libclang-rt-14-dev ffmpeg
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
