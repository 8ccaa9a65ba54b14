#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Vemo need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev libcanberra-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core fonts-urw-base35 sound-theme-freedesktop
  xvfb xauth openbox xdotool imagemagick x11-xkb-utils x11-xserver-utils x11-utils
  clang libclang-rt-dev
  desktop-file-utils appstream  # checks of the desktop entry and the metainfo
  dpkg-dev file                 # cpack -G DEB: dpkg-shlibdeps finds the dependencies
)
# `setup.sh --web`: what the page's build and tests need instead.
if [ "${1:-}" = "--web" ]; then
  packages=(cmake ccache emscripten esbuild node-acorn chromium python3-fonttools python3-brotli
            fonts-liberation2 fonts-urw-base35 fonts-dejavu-core)
  # A node installed outside Debian's packages serves as well.
  command -v npm >/dev/null || packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
