#!/usr/bin/env bash
# Installs what the game needs from Debian's packages (only what is missing),
# then configures and builds into build/ (or the folder given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake make pkg-config
  libirrlicht-dev libx11-dev libgl-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core
  googletest libgtest-dev libbenchmark-dev valgrind
  libturbojpeg0-dev libopenal-dev libsndfile1-dev
  xvfb xauth xdotool imagemagick libgl1-mesa-dri tesseract-ocr tesseract-ocr-eng appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" "$@"
cmake --build "$build_dir" -j"$(nproc)"
