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

# Automatic play: seated players leave after 101 ticks, a dead ball is fired
# after 101 more; give them time to reach the track and the ball to fly.
send_keys "$id" space
wait_ticks "$id" 400 15 90
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during automatic play"

# Camera modes: overhead (0), end view (1), ball chase (2), then player chase
# (3) on a home skater, who is on the track by now.
send_keys "$id" 5
sleep 1
screenshot "$id" mode0-overhead >/dev/null
send_keys "$id" v
sleep 1.5
screenshot "$id" mode1-end-view >/dev/null
send_keys "$id" v
sleep 1.5
screenshot "$id" mode2-ball-chase >/dev/null
send_keys "$id" v
sleep 1.5
screenshot "$id" mode3-player-chase >/dev/null
send_keys "$id" v
sleep 1

# Roster readouts on for a look, then off again.
send_keys "$id" u
sleep 1.5
screenshot "$id" roster-readouts >/dev/null
send_keys "$id" u

# Pause: the picture stands still and the ball line reads PAUSED.
send_keys "$id" p
sleep 1
screenshot "$id" paused >/dev/null
sleep 1.5
screenshot "$id" paused-later >/dev/null
difference=$(image_difference "$ARTIFACTS/paused.png" "$ARTIFACTS/paused-later.png")
[ "$difference" = 0 ] || fail "the picture moved while paused ($difference pixels changed)"
send_keys "$id" p
sleep 1.5
screenshot "$id" resumed >/dev/null
difference=$(image_difference "$ARTIFACTS/paused.png" "$ARTIFACTS/resumed.png")
[ "$difference" != 0 ] || fail "the picture stood still after resuming"

# Team marker: home orange at the top left; TAB moves it, in away green, to the top right.
read -r r g b <<<"$(pixel "$ARTIFACTS/resumed.png" 15 15)"
[ $((r - b)) -gt 60 ] && [ "$r" -gt "$g" ] || fail "no home team marker at the top left ($r $g $b)"
send_keys "$id" Tab 7
sleep 1
screenshot "$id" away-selected >/dev/null
read -r r g b <<<"$(pixel "$ARTIFACTS/away-selected.png" 625 15)"
[ $((g - b)) -gt 60 ] && [ "$g" -gt "$r" ] || fail "no away team marker at the top right ($r $g $b)"

kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before Q"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q"
grep -Eq '^count=[0-9]+ lo=[0-9]+ hi=[0-9]+ avg=[0-9.]+$' "$GAME_OUT" || fail "no statistics line after Q"
grep -q 'halting\|pausing' "$GAME_OUT" && fail "a fault was reported during play"
echo "PASS"
