#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, integration and end to end, then
# the same suite again built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

bash scripts/setup.sh build
ctest --test-dir build --output-on-failure -j"$jobs"

bash scripts/setup.sh build-sanitize -DSKORVANE_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
