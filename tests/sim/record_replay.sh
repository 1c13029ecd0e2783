#!/usr/bin/env bash
# A whole match recorded by the runner, to its final whistle, plays back
# headless as the same match; with its command moved a tick, it does not.
set -euo pipefail
sim="${1:?skorvane-sim}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$sim" --seed 3 --step 33 --record "$work/match.rec" >/dev/null
echo "$(wc -c <"$work/match.rec") bytes: $(tail -n 1 "$work/match.rec")"
out=$("$sim" --replay "$work/match.rec") || { echo "$out"; echo "FAIL: the replay did not end as recorded"; exit 1; }
echo "$out"
grep -q "^replay: the same match, $(awk '/^end/ { print $2 }' "$work/match.rec") ticks" <<<"$out" ||
    { echo "FAIL: no verdict"; exit 1; }
# Automatic play turned on a tick late: the match differs before tick 1 already.
sed 's/^m 1 auto-play$/m 2 auto-play/' "$work/match.rec" >"$work/late.rec"
status=0
out=$("$sim" --replay "$work/late.rec") || status=$?
echo "$out"
[ "$status" = 1 ] && grep -q "^replay diverged at tick 1 " <<<"$out" ||
    { echo "FAIL: a command moved by a tick gave status $status"; exit 1; }
echo PASS
