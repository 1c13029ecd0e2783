#!/usr/bin/env bash
# The runner plays the window's fixed ticks: whatever drawn frame time it
# stands in for, a seed gives the same match report.
set -euo pipefail
sim="${1:?skorvane-sim}"
report() { "$sim" --seed 1 --matches 20 --step "$1" | sed -E 's/, wall time [0-9.]+ s//' | grep -v 'total wall time'; }
reference=$(report 20)
grep -q '20 passed, 0 failed' <<<"$reference" || { echo "$reference"; echo "FAIL: not every match ended soundly"; exit 1; }
for step in 1 7 33; do
    other=$(report "$step")
    if [ "$other" != "$reference" ]; then
        diff <(echo "$reference") <(echo "$other") || true
        echo "FAIL: step $step ms gave another report than 20 ms"
        exit 1
    fi
done
echo "$reference" | tail -n 6
echo PASS
