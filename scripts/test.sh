#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, integration and end to end, then
# the unit tests and the headless whole matches again built with
# AddressSanitizer and UndefinedBehaviorSanitizer, with one window test.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

bash scripts/setup.sh build
ctest --test-dir build --output-on-failure -j"$jobs"

# The window tests check what the window shows; under the sanitizers they
# would play the plain run's matches again. The sanitizers look for faults in
# the game's own memory and arithmetic, which the unit tests and the soaks
# reach; the window's own path (the real driver, X's keys, the frame loop, the
# sound device) is taken by the window test of a whole session of play.
bash scripts/setup.sh build-sanitize -DSKORVANE_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -LE e2e
ctest --test-dir build-sanitize --output-on-failure -R '^e2e_test_play$'
