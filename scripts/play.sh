#!/usr/bin/env bash
# Sets up, builds and starts the game from the folder that holds it and meshes/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
cd build
exec ./skorvane
