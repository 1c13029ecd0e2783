#!/usr/bin/env bash
# The generated arena as a player sees it, in a real window during automatic
# play: overhead, end view, ball chase and a home skater's chase view. The
# screenshots are kept in e2e-artifacts/ (assets_*.png) to be looked at.
source "$(dirname "$0")/lib.sh" "$1"

[ -f "$BUILD_DIR/meshes/.complete" ] || fail "the asset generator has not finished meshes/ in $BUILD_DIR"

# Share of the picture near a colour (the shirts are shaded, so 20 %), in
# ten-thousandths.
colour_share() {
    convert "$1" -fuzz 20% -fill magenta -opaque "$2" -fill black +opaque magenta \
        -format '%[fx:int(10000*mean.r)]' info:
}

start_xvfb
start_game
id=$(wait_window)
wait_for 30 "no scene drawn in the window" scene_shown "$id" assets_overhead
# Before play all twenty sit in their two rows: both teams' colours (the
# HUD's home orange and away green) must be on show.
overhead=$(screenshot "$id" assets_overhead)
check_scene "$overhead"
home=$(colour_share "$overhead" "rgb(255,127,0)")
away=$(colour_share "$overhead" "rgb(63,255,0)")
echo "overhead: home orange $home/10000, away green $away/10000"
[ "$home" -ge 10 ] || fail "no home orange in the overhead view"
[ "$away" -ge 10 ] || fail "no away green in the overhead view"

# Automatic play: the teams leave their seats, the ball is fired.
send_keys "$id" space
wait_game_seconds "$id" 10
play=$(screenshot "$id" assets_overhead_play)
check_scene "$play"
send_keys "$id" v
end=$(wait_changed "$id" "$play" assets_end 60000)
check_scene "$end"
send_keys "$id" v
ball_chase=$(wait_changed "$id" "$end" assets_ball_chase 60000)
check_scene "$ball_chase"
# Home skater 5 from behind: orange uniform, number on the back.
send_keys "$id" h 5 v
chase=$(wait_changed "$id" "$ball_chase" assets_player_chase 60000)
check_scene "$chase"
home=$(colour_share "$chase" "rgb(255,127,0)")
echo "player chase: home orange $home/10000"
[ "$home" -ge 20 ] || fail "the chased home skater shows no orange uniform"

close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after closing the window"
echo "PASS"
