#!/usr/bin/env bash
# Recordings made by the game before its commands were records (version 1,
# the keys' engine codes): whole headless matches, one with the biker
# switch, and half a minute in the window with many keys, the sound's M
# among them. Each still plays back headless as the same match.
set -euo pipefail
sim="${1:?skorvane-sim}"
folder="$(dirname "$0")/../recordings"
count=0
for recording in "$folder"/*.rec; do
    out=$("$sim" --replay "$recording") || { echo "$out" | tail -n 3; echo "FAIL: $(basename "$recording") did not replay as recorded"; exit 1; }
    verdict=$(grep -o "replay: .*" <<<"$out" | tail -n 1)
    echo "$(basename "$recording"): $verdict"
    grep -q "^replay: the same match, $(awk '/^end/ { print $2 }' "$recording") ticks" <<<"$verdict" ||
        { echo "FAIL: no verdict for $(basename "$recording")"; exit 1; }
    count=$((count + 1))
done
[ "$count" -ge 7 ] || { echo "FAIL: only $count recordings"; exit 1; }
echo PASS
