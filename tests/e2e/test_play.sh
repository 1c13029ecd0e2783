#!/usr/bin/env bash
# A whole match in a real window: automatic play deploys the players and fires
# the ball, every camera mode is visited, the roster readouts, pause, team and
# player selection work, and Q ends the game with the exit statistics.
# Screenshots of each step are kept in e2e-artifacts/ for a look by eye.
source "$(dirname "$0")/lib.sh" "$1"

start_xvfb
start_game
id=$(wait_window)
wait_for 30 "no scene drawn in the window" scene_shown "$id" play-start

# The receiver hears the arrows it leaves to the camera, and the clicks.
send_keys "$id" Up Down
click "$id" 1
click "$id" 3
wait_for 10 "no 'up', 'down', 'lclik', 'rclik' on the console" grep -q 'updownlclikrclik' "$GAME_OUT"

# Team and player selection, before play starts so the commentary stays put:
# the team marker moves from the top left (home orange) to the top right (away green).
send_keys "$id" Tab 7
screenshot "$id" away-selected >/dev/null
read -r r g b <<<"$(pixel "$ARTIFACTS/away-selected.png" 625 15)"
[ $((g - b)) -gt 60 ] && [ "$g" -gt "$r" ] || fail "no away team marker at the top right ($r $g $b)"
send_keys "$id" Tab
home_marker() {
    read -r r g b <<<"$(pixel "$(screenshot "$id" home-selected)" 15 15)"
    [ $((r - b)) -gt 60 ] && [ "$r" -gt "$g" ]
}
wait_for 10 "no home team marker at the top left" home_marker

# Automatic play: seated players leave after 101 ticks, a dead ball is fired
# after 101 more; ten game seconds of the clock later they are on the track
# and the ball is in play.
send_keys "$id" space
wait_game_seconds "$id" 10
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during automatic play"

# Camera modes: overhead (0), end view (1) with the roster readouts shown for
# a while, ball chase (2), then player chase (3) on home skater 5, who is on
# the track by now.
# Each view is a scene of its own: a fifth of the window or more changes.
send_keys "$id" 5
overhead=$(screenshot "$id" mode0-overhead)
check_scene "$overhead"
send_keys "$id" v
end_view=$(wait_changed "$id" "$overhead" mode1-end-view 60000)
check_scene "$end_view"
# The roster readouts fill both side columns over the end view.
send_keys "$id" u
roster=$(wait_changed "$id" "$end_view" roster-readouts 1500 160x400+10+40)
away=$(region_difference "$end_view" "$roster" 160x400+470+40)
[ "$away" -gt 1500 ] || fail "no away roster readouts on the right ($away pixels changed)"
send_keys "$id" u v
ball_chase=$(wait_changed "$id" "$end_view" mode2-ball-chase 60000)
check_scene "$ball_chase"
send_keys "$id" v
check_scene "$(wait_changed "$id" "$ball_chase" mode3-player-chase 60000)"

# Pause: the picture stands still and the ball line reads PAUSED.
send_keys "$id" p
paused_shown() {
    [ "$(read_matching '^PAUSED$' "$(screenshot "$id" paused)" 1 280 460 160 20 ADEPSU 7)" = PAUSED ]
}
wait_for 20 "the ball line does not read PAUSED" paused_shown
# Still for a second and a half of frames.
sleep 1.5
screenshot "$id" paused-later >/dev/null
difference=$(image_difference "$ARTIFACTS/paused.png" "$ARTIFACTS/paused-later.png")
[ "$difference" -lt 3000 ] || fail "the picture moved while paused ($difference pixels changed)"
send_keys "$id" p
# The ball line (bottom centre) no longer reads PAUSED.
wait_changed "$id" "$ARTIFACTS/paused.png" resumed 50 160x20+280+460 >/dev/null

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
