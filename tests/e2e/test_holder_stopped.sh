#!/usr/bin/env bash
# Stopping the ball holder during automatic play pauses the match once with
# "ball holder not OK"; the holder loses the ball, and P resumes the match for
# good instead of pausing it again on the next tick.
source "$(dirname "$0")/lib.sh" "$1"

start_xvfb
start_game
id=$(wait_window)
sleep 1

# Automatic play: the players deploy; then fire at once rather than wait.
send_keys "$id" space
wait_ticks "$id" 400 15 90
send_keys "$id" b

# Most of a holding is a catcher's: S on each of the four catchers stops the
# holder when one of them has the ball. When none has, L sends both teams
# lapping again (which also ends a skater's holding the same way; P then
# resumes) and we try again later.
count() { grep -o "$1" "$GAME_OUT" | wc -l || true; } # no match is a count of 0
reports() { count 'ball holder not OK'; }
reported=""
for attempt in $(seq 1 20); do
    wait_ticks "$id" 150 2 8
    before=$(reports)
    send_keys "$id" h 3 s 4 s a 3 s 4 s
    sleep 1
    if [ "$(reports)" -gt "$before" ]; then
        reported=$attempt
        break
    fi
    send_keys "$id" h l a l
    sleep 1
    if [ "$(reports)" -gt "$before" ]; then
        send_keys "$id" p
    fi
done
[ -n "$reported" ] || fail "no catcher held the ball in 20 tries"
echo "the holder was stopped on try $reported"
held_reports=$(reports)
screenshot "$id" holder-stopped-paused >/dev/null
pauses=$(count pausing)

# P resumes: the match goes on and nothing pauses it again.
send_keys "$id" p
sleep 3
screenshot "$id" holder-stopped-resumed >/dev/null
sleep 3
screenshot "$id" holder-stopped-later >/dev/null
[ "$(reports)" = "$held_reports" ] || fail "the stopped holder was reported again"
[ "$(count pausing)" = "$pauses" ] || fail "the match paused again after P"
difference=$(region_difference "$ARTIFACTS/holder-stopped-paused.png" "$ARTIFACTS/holder-stopped-resumed.png" 160x20+280+460)
[ "$difference" -gt 50 ] || fail "the ball line still reads PAUSED ($difference pixels changed)"
# The match runs on: the game clock (top) or the ball (bottom line) moves.
score=$(region_difference "$ARTIFACTS/holder-stopped-resumed.png" "$ARTIFACTS/holder-stopped-later.png" 160x20+280+15)
ball_line=$(region_difference "$ARTIFACTS/holder-stopped-resumed.png" "$ARTIFACTS/holder-stopped-later.png" 160x20+280+460)
[ $((score + ball_line)) -gt 50 ] || fail "neither the clock nor the ball moved after P ($score, $ball_line pixels changed)"

send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q"
echo "PASS"
