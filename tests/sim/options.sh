#!/usr/bin/env bash
# The runner's options: every seed a user can give plays its own match, and
# anything but a plain whole number in range, or an option given twice, is
# refused with status 2 and a line that says what is allowed.
set -uo pipefail
sim="${1:?skorvane-sim}"
failed=0

# The matches alone: the seed's label and the wall time always differ.
report() { "$sim" "$@" | sed -E 's/, wall time [0-9.]+ s//; s/ \(seed [0-9]+\)//' | grep -v 'wall time'; }
zero=$(report --seed 0)
one=$(report --seed 1)
echo "$zero"
echo "$one"
if [ -z "$zero" ] || [ "$zero" = "$one" ]; then
  echo "FAIL: seeds 0 and 1 played the same match"
  failed=1
fi

refused() { # expected words of the complaint, then the arguments
  local words=$1
  shift
  local err status
  err=$("$sim" "$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 2 ] || ! grep -qF -- "$words" <<<"$err"; then
    echo "FAIL: skorvane-sim $* gave status $status and '$err', not 2 and '$words'"
    failed=1
  fi
}
refused "from 1 to 99 ms" --step +20
refused "from 1 to 99 ms" --step " 20"
refused "from 1 to 99 ms" --step "20 "
refused "from 1 to 99 ms" --step 0x14
refused "from 1 to 99 ms" --step ""
refused "from 1 to 99 ms" --step 100
refused "from 0 to 4294967294" --seed -1
refused "from 0 to 4294967294" --seed 4294967295
refused "from 0 to 4294967294" --seed 99999999999999999999999
refused "from 1 to 100000" --matches 0
refused "given twice" --seed 1 --seed 2
refused "given twice" --step 20 --matches 1 --step 20
refused "seeds go from 0 to 4294967294" --seed 4294967294 --matches 2
refused "seeds go from 0 to 4294967294" --seed 4294967200 --matches 100
refused "unknown option" --seeds 1
refused "cannot write the chart" --chart /nonexistent-folder/match.png
refused "--chart takes one match" --matches 2 --chart match.png

[ "$failed" -eq 0 ] && echo PASS
exit "$failed"
