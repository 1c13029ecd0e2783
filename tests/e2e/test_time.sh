#!/usr/bin/env bash
# Time in the viewer's hands, in the window: a session recorded with speed
# changes, single ticks while paused and two instant replays replays headless
# as the same match; a headless recording played in the window and sought
# back and forth ends as recorded; a whole match at 32 times speed reaches
# the final whistle in under three minutes.
source "$(dirname "$0")/lib.sh" "$1"
sim="$BUILD_DIR/skorvane-sim"
rec="$E2E_WORK/session.rec"

# What the HUD says above the clock (the speed, REPLAY, a replay's progress).
playback_mark() { read_matching "$2" "$1" 1 372 0 88 14 'x0123456789/REPLAY%' 7; }

# The number of the last check line a recording holds so far: how far it has played.
recorded_ticks() { awk '/^c / { t = $2 } END { print t + 0 }' "$1"; }

start_xvfb

# ---- A live session, recorded -------------------------------------------------
start_game "$BUILD_DIR" --record "$rec"
id=$(wait_window)
ctrl_key "$id" o
send_keys "$id" Tab
ctrl_key "$id" o
send_keys "$id" space b bracketright bracketright bracketright
sleep 2
mark=$(playback_mark "$(screenshot "$id" time-speed8)" '^x8$')
[ "$mark" = x8 ] || fail "the HUD shows '$mark' at 8 times speed"
send_keys "$id" bracketleft bracketleft bracketleft bracketleft BackSpace
# Paused, twenty single ticks are exactly one second of the game clock.
score_line() {
    read_matching '^HOU:[0-9]{2} MAD:[0-9]{2} [1-3] [0-9]{2}:[0-9]{2}$' "$(screenshot "$id" "$1")" 1 280 15 160 15 \
        'HOUMAD:0123456789 ' 7
}
clock_seconds() { awk '{ split($NF, t, ":"); print t[1] * 60 + t[2] }' <<<"$1"; }
send_keys "$id" p
sleep 0.5
before=$(score_line time-paused)
for _ in $(seq 1 20); do send_keys "$id" period; done
sleep 0.5
after=$(score_line time-twenty-ticks)
echo "paused: '$before', twenty ticks on: '$after'"
[[ "$after" =~ ^HOU ]] && [[ "$before" =~ ^HOU ]] || fail "the score line did not read: '$before', '$after'"
[ $(( $(clock_seconds "$before") - $(clock_seconds "$after") )) = 1 ] ||
    fail "twenty ticks took the clock from '$before' to '$after'"
send_keys "$id" p
send_keys "$id" p period period period p
sleep 3
send_keys "$id" g
sleep 1
mark=$(playback_mark "$(screenshot "$id" time-instant-replay)" '^REPLAY$')
[ "$mark" = REPLAY ] || fail "the HUD shows '$mark' during an instant replay"
send_keys "$id" b Tab g
sleep 1
# The second plays out by itself, faster.
send_keys "$id" g bracketright bracketright bracketright
sleep 4
send_keys "$id" BackSpace
sleep 1
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q"
# Each single tick is the match resumed for one tick and paused again.
pauses=$(grep -c ' pause$' "$rec")
[ "$pauses" -ge 8 ] || fail "only $pauses pause commands for P, three single ticks and P"
grep -q ' fire-ball$' "$rec" || fail "the B before the instant replays was not recorded"
[ "$(grep -c ' fire-ball$' "$rec")" = 1 ] || fail "a B during an instant replay reached the match"
out=$("$sim" --replay "$rec") || fail "the session did not replay as the same match: $out"
echo "$out" | tail -n 1

# ---- A headless recording, watched and sought in the window --------------------
"$sim" --seed 3 --record "$E2E_WORK/whole.rec" >/dev/null
ticks=$(awk '/^end/ { print $2 }' "$E2E_WORK/whole.rec")
start_game "$BUILD_DIR" --replay "$E2E_WORK/whole.rec"
id=$(wait_window)
send_keys "$id" bracketright Next Next Next
sleep 1
mark=$(playback_mark "$(screenshot "$id" time-replay-sought)" '^x2 ?[0-9]+%$')
[[ "$mark" =~ ^x2\ ?[0-9]+%$ ]] || fail "the HUD shows '$mark' in a replay at twice the speed"
send_keys "$id" Prior Home comma period
sleep 0.5
before=$(date +%s%N)
send_keys "$id" End
wait_result
after=$(date +%s%N)
sleep 0.5
send_keys "$id" q
wait_game
echo "End of a whole match of $ticks ticks, from its start: $(( (after - before) / 1000000 )) ms to the final whistle"
[ "$GAME_STATUS" = 1 ] || fail "exit status $GAME_STATUS at the end of the replay"
grep -q "replay diverged" "$GAME_OUT" && fail "the replay sought back and forth diverged"
grep -q "replay: the same match, $ticks ticks" "$GAME_OUT" || fail "no verdict at the end of the replay"
tail -c 200 "$GAME_OUT" | grep -q 'Game Over!' || fail "no Game Over at the end of the replay"

# ---- A whole match at 32 times speed --------------------------------------------
start_game "$BUILD_DIR"
id=$(wait_window)
started=$(date +%s)
ctrl_key "$id" o
send_keys "$id" Tab
ctrl_key "$id" o
send_keys "$id" space bracketright bracketright bracketright bracketright bracketright
wait_result 180
took=$(( $(date +%s) - started ))
# The result waits for the user: a key ends the game.
sleep 0.5
send_keys "$id" Return
wait_game
echo "a whole match at 32 times speed: $took s"
[ "$GAME_STATUS" = 1 ] || fail "exit status $GAME_STATUS at the final whistle"
[ "$(tail -c 18 "$GAME_OUT")" = "$(printf 'Game Over!\nhalting')" ] || fail "the match did not end in Game Over"
[ "$took" -lt 180 ] || fail "a whole match at 32 times speed took $took s"
echo PASS
