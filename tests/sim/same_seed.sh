#!/usr/bin/env bash
# The same seed gives the same match report, whatever else the machine is doing.
set -euo pipefail
sim="${1:?skorvane-sim}"
first=$("$sim" --seed 42 --matches 2 | grep -v 'wall time')
second=$("$sim" --seed 42 --matches 2 | grep -v 'wall time')
echo "$first"
[ "$first" = "$second" ] || { echo "FAIL: the same seed gave another report:"; echo "$second"; exit 1; }
other=$("$sim" --seed 43 | grep -v 'wall time')
[ "$other" != "$(head -n 4 <<<"$first")" ] || { echo "FAIL: another seed gave the same match"; exit 1; }
echo PASS
