#!/usr/bin/env bash
# The two free-camera views in a real window: the overhead view at start and
# the end view after one press of V. Neither takes in the scoreboards, which
# hang above the wall at x = -3360 and +3360: from the end view they lie 49
# degrees to either side, beyond the lens's 39. So the user's mouse look then
# turns the free camera to the west board and across to the east one.
# The screenshots are kept in e2e-artifacts/ (view_*.png) to be looked at.
source "$(dirname "$0")/lib.sh" "$1"

[ -d "$BUILD_DIR/meshes" ] || fail "no meshes/ in $BUILD_DIR"

# A textured scene has thousands of colours; an empty one the clear colour and
# a few for the HUD text.
check_scene() {
    local colours
    colours=$(identify -format '%k' "$1")
    echo "$(basename "$1"): $colours colours"
    [ "$colours" -gt 500 ] || fail "$(basename "$1") shows hardly anything ($colours colours)"
}

start_xvfb
start_game
id=$(wait_window)
# Let the first frames settle the camera and the engine load every texture.
sleep 3
overhead=$(screenshot "$id" view_overhead)
check_scene "$overhead"

send_keys "$id" v
sleep 2
end=$(screenshot "$id" view_end)
check_scene "$end"

# The two views look at the arena from different places.
changed=$(compare -metric AE -fuzz 5% "$overhead" "$end" null: 2>&1 || true)
echo "pixels changed between the views: $changed"
[ "${changed%%.*}" -gt 20000 ] 2>/dev/null || fail "the end view looks like the overhead view ($changed pixels differ)"

# The game re-centres the cursor every frame, and the mouse look turns by
# 100 degrees per window width: 288 pixels right of the centre turns 45
# degrees right (to face west), 144 up lifts the view from 30 degrees down to level.
xdotool mousemove --window "$id" 608 96
sleep 1.5
west=$(screenshot "$id" view_end_west_board)
check_scene "$west"
xdotool mousemove --window "$id" 32 240
sleep 0.7
xdotool mousemove --window "$id" 32 240
sleep 1.5
east=$(screenshot "$id" view_end_east_board)
check_scene "$east"
changed=$(compare -metric AE -fuzz 5% "$west" "$east" null: 2>&1 || true)
[ "${changed%%.*}" -gt 20000 ] 2>/dev/null || fail "turning from west to east changed nothing ($changed pixels differ)"

close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after closing the window"
echo "PASS"
