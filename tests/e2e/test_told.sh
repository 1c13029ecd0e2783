#!/usr/bin/env bash
# The match told, in the window: a chart path that cannot be written is
# refused before the window opens; D under automatic play lets the director
# cut between at least three camera modes within two minutes, with its mark
# on the HUD; at 32 times speed the match ends on the result panel, which
# waits, and Z on it starts a new game; Q prints the summary before the
# frame-time statistics; a recording played to its end shows the panel
# until a key, then "Game Over!", "halting" and status 1.
source "$(dirname "$0")/lib.sh" "$1"
sim="$BUILD_DIR/skorvane-sim"

# Width x height of a PNG as ImageMagick's decoder reads it.
png_size() { identify -format '%wx%h' "$1" 2>/dev/null; }

start_xvfb

# ---- A chart that cannot be written: refused before anything opens -------------
status=0
err=$("$BUILD_DIR/skorvane" --chart /nonexistent-folder/match.png 2>&1) || status=$?
[ "$status" = 2 ] || fail "--chart to a missing folder gave status $status"
grep -q "cannot write the chart to '/nonexistent-folder/match.png'" <<<"$err" || fail "no clear message: $err"

# ---- The director under automatic play ------------------------------------------
start_game "$BUILD_DIR" --defaults --no-sound --verbose --chart "$E2E_WORK/live.png"
id=$(wait_window)
ctrl_key "$id" o
send_keys "$id" Tab
ctrl_key "$id" o
send_keys "$id" space d
shot=$(screenshot "$id" told-director-on)
mark=$(read_matching '^DIRECTOR$' "$shot" 1 200 0 76 14 'DIRECTOR' 7)
[ "$mark" = "DIRECTOR" ] || fail "the HUD shows '$mark' where the director's mark belongs"
started=$(date +%s)
declare -A shown=()
seen=0
while [ $(( $(date +%s) - started )) -lt 120 ] && [ "${#shown[@]}" -lt 4 ]; do
    cuts=$(grep -c '^director: ' "$GAME_OUT" || true)
    if [ "$cuts" -gt "$seen" ]; then
        seen=$cuts
        mode=$(grep '^director: ' "$GAME_OUT" | tail -n 1 | sed -E 's/^director: ([a-z ]+[a-z]).*$/\1/')
        if [ -z "${shown[$mode]:-}" ]; then
            sleep 0.3 # the cut drawn
            shown[$mode]=$(screenshot "$id" "told-director-${mode// /-}")
        fi
    fi
    sleep 0.2
done
echo "the director cut $seen times in $(( $(date +%s) - started )) s, to: ${!shown[*]}"
[ "${#shown[@]}" -ge 3 ] || fail "the director showed only ${!shown[*]} in two minutes"
# The modes look different from one another.
modes=("${!shown[@]}")
[ "$(image_difference "${shown[${modes[0]}]}" "${shown[${modes[1]}]}")" -gt 20000 ] ||
    fail "the shots of ${modes[0]} and ${modes[1]} look the same"

# V takes the camera: no more cuts until D.
send_keys "$id" v
sleep 0.5
before=$(grep -c '^director: ' "$GAME_OUT" || true)
sleep 6
after=$(grep -c '^director: ' "$GAME_OUT" || true)
[ "$before" = "$after" ] || fail "the director cut $(( after - before )) times after V"
shot=$(screenshot "$id" told-director-suspended)
mark=$(read_hud_line "$shot" 1 200 0 76 14 'DIRECTOR' 7 400)
[ -z "$mark" ] || [ "$mark" = "(no band)" ] || fail "the mark still reads '$mark' after V"
send_keys "$id" d

# ---- On to the final whistle at 32 times speed: the result panel waits ------------
send_keys "$id" bracketright bracketright bracketright bracketright bracketright
wait_result 200
sleep 1
panel=$(screenshot "$id" told-result-panel)
sleep 2
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended without waiting on its result"
grep -q "^By period   HOU [0-9]* [0-9]* [0-9]*   MAD [0-9]* [0-9]* [0-9]*$" "$GAME_OUT" || fail "no score by period"
grep -q "^Goals and misses: [0-9]*$" "$GAME_OUT" || fail "no list of goals"
grep -q "^Possession " "$GAME_OUT" || fail "no possession in the summary"
[ "$(png_size "$E2E_WORK/live.png")" = "1200x600" ] || fail "no 1200 x 600 chart at the final whistle"
grep -q "Game Over!" "$GAME_OUT" && fail "Game Over! before the user answered"
# Z starts a new game: the panel goes and the game plays on.
send_keys "$id" z
sleep 2
kill -0 "$GAME_PID" 2>/dev/null || fail "Z on the result ended the game"
after_z=$(screenshot "$id" told-after-z)
[ "$(image_difference "$panel" "$after_z")" -gt 20000 ] || fail "the result panel stayed after Z"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q"
grep -q "^Score so far: HOU 0 - 0 MAD$" "$GAME_OUT" || fail "Q did not tell the new game so far"
so_far=$(grep -n "^Score so far:" "$GAME_OUT" | tail -n 1 | cut -d: -f1)
stats=$(grep -n "^count=" "$GAME_OUT" | tail -n 1 | cut -d: -f1)
[ -n "$stats" ] && [ "$so_far" -lt "$stats" ] || fail "the summary does not come before the frame-time statistics"

# ---- A recording played to its end: the panel until a key ------------------------
"$sim" --seed 3 --record "$E2E_WORK/whole.rec" --chart "$E2E_WORK/sim.png" >"$E2E_WORK/sim.out"
start_game "$BUILD_DIR" --defaults --no-sound --replay "$E2E_WORK/whole.rec" --chart "$E2E_WORK/replay.png"
id=$(wait_window)
send_keys "$id" End
wait_result 60
sleep 2
kill -0 "$GAME_PID" 2>/dev/null || fail "the replay's result did not wait"
screenshot "$id" told-replay-result >/dev/null
send_keys "$id" Return
wait_game
[ "$GAME_STATUS" = 1 ] || fail "exit status $GAME_STATUS after the result"
[ "$(tail -c 18 "$GAME_OUT")" = "$(printf 'Game Over!\nhalting')" ] || fail "the result did not end in Game Over"
# The replay tells the match the runner played: the same score, periods and goals.
grep -q "^Final score: $(sed -n 's/^match 1 (seed 3): //p' "$E2E_WORK/sim.out")$" "$GAME_OUT" ||
    fail "the replay's score is not the recorded match's"
diff <(grep -E '^  (By period|goal  |miss  )' "$E2E_WORK/sim.out" | sed 's/^  //') \
     <(grep -E '^(By period|  goal  |  miss  )' "$GAME_OUT" | sed 's/^  //') || fail "the replay's goals differ from the runner's"
[ "$(png_size "$E2E_WORK/replay.png")" = "1200x600" ] || fail "no chart of the replay"
cmp -s "$E2E_WORK/replay.png" "$E2E_WORK/sim.png" || fail "the replay's chart differs from the runner's"
echo PASS
