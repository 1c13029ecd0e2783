#!/usr/bin/env bash
# A whole match in a real window: automatic play deploys the players and fires
# the ball, every camera mode is visited, the roster readouts, pause, team and
# player selection work, and Q ends the game with the exit statistics.
# Screenshots of each step are kept in e2e-artifacts/ for a look by eye.
source "$(dirname "$0")/lib.sh" "$1"

start_xvfb
start_game
id=$(wait_window)
sleep 1
screenshot "$id" play-start >/dev/null

# The receiver hears the arrows it leaves to the camera, and the clicks.
send_keys "$id" Up Down
click "$id" 1
click "$id" 3
sleep 0.5
grep -q 'updownlclikrclik' "$GAME_OUT" || fail "no 'up', 'down', 'lclik', 'rclik' on the console"

# Team and player selection, before play starts so the commentary stays put:
# the team marker moves from the top left (home orange) to the top right (away green).
send_keys "$id" Tab 7
screenshot "$id" away-selected >/dev/null
read -r r g b <<<"$(pixel "$ARTIFACTS/away-selected.png" 625 15)"
[ $((g - b)) -gt 60 ] && [ "$g" -gt "$r" ] || fail "no away team marker at the top right ($r $g $b)"
send_keys "$id" Tab
sleep 0.5
screenshot "$id" home-selected >/dev/null
read -r r g b <<<"$(pixel "$ARTIFACTS/home-selected.png" 15 15)"
[ $((r - b)) -gt 60 ] && [ "$r" -gt "$g" ] || fail "no home team marker at the top left ($r $g $b)"

# Automatic play: seated players leave after 101 ticks, a dead ball is fired
# after 101 more; give them time to reach the track and the ball to fly.
send_keys "$id" space
wait_ticks "$id" 400 15 90
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during automatic play"

# Camera modes: overhead (0), end view (1) with the roster readouts shown for
# a while, ball chase (2), then player chase (3) on home skater 5, who is on
# the track by now.
send_keys "$id" 5
sleep 1
screenshot "$id" mode0-overhead >/dev/null
send_keys "$id" v
sleep 1.5
screenshot "$id" mode1-end-view >/dev/null
send_keys "$id" u
sleep 1.5
screenshot "$id" roster-readouts >/dev/null
send_keys "$id" u v
sleep 1.5
screenshot "$id" mode2-ball-chase >/dev/null
send_keys "$id" v
sleep 1.5
screenshot "$id" mode3-player-chase >/dev/null

# Pause: the picture stands still and the ball line reads PAUSED.
send_keys "$id" p
sleep 1
screenshot "$id" paused >/dev/null
sleep 1.5
screenshot "$id" paused-later >/dev/null
difference=$(image_difference "$ARTIFACTS/paused.png" "$ARTIFACTS/paused-later.png")
[ "$difference" -lt 3000 ] || fail "the picture moved while paused ($difference pixels changed)"
send_keys "$id" p
sleep 1.5
screenshot "$id" resumed >/dev/null
# The ball line (bottom centre) no longer reads PAUSED.
difference=$(region_difference "$ARTIFACTS/paused.png" "$ARTIFACTS/resumed.png" 160x20+280+460)
[ "$difference" -gt 50 ] || fail "the ball line did not change after resuming ($difference pixels changed)"

# Steering by hand: the first LEFT takes skater 5 over, the second pushes it
# inwards; the green control bar shows, with its marker on the left. RIGHT,
# against the push, then stops the sideways motion before it runs too far.
# A new game first: by now skater 5 may lie dead, and no command moves the
# dead. Z also brings the overhead view back, so V three times for the chase.
send_keys "$id" z 5 v v v
send_keys "$id" Left Left
screenshot "$id" user-control >/dev/null
send_keys "$id" Right
for point in "320 7" "275 7"; do
    read -r r g b <<<"$(pixel "$ARTIFACTS/user-control.png" $point)"
    [ $((g - r)) -gt 60 ] && [ $((g - b)) -gt 60 ] || fail "no user-control marker at $point ($r $g $b)"
done
send_keys "$id" v

kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before Q"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q"
grep -Eq '^count=[0-9]+ lo=[0-9]+ hi=[0-9]+ avg=[0-9.]+$' "$GAME_OUT" || fail "no statistics line after Q"
grep -q 'halting\|pausing' "$GAME_OUT" && fail "a fault was reported during play"
echo "PASS"
