#!/usr/bin/env bash
# The same seed gives the same match report, whatever else the machine is
# doing; another seed plays another match. The seed's own label and the wall
# time are left out, so only the matches are compared.
set -euo pipefail
sim="${1:?skorvane-sim}"
matches() { "$sim" "$@" | sed -E 's/, wall time [0-9.]+ s//; s/ \(seed [0-9]+\)//' | grep -v 'wall time'; }
first=$(matches --seed 42 --matches 2)
second=$(matches --seed 42 --matches 2)
echo "$first"
grep -q '^match 2:' <<<"$first" || { echo "FAIL: no second match in the report"; exit 1; }
[ "$first" = "$second" ] || { echo "FAIL: the same seed gave another report:"; echo "$second"; exit 1; }
# One match of seed 43 against the first of seed 42, line for line: the
# match's own lines, its heading and the indented ones under it.
first_match() { awk '/^match /{ n++ } n == 1 && /^(match |  )/'; }
other=$(matches --seed 43 | first_match)
own=$(first_match <<<"$first")
[ -n "$own" ] || { echo "FAIL: no first match in the report"; exit 1; }
[ "$other" != "$own" ] || { echo "FAIL: another seed gave the same match"; exit 1; }
echo PASS
