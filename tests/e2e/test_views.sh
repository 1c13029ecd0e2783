#!/usr/bin/env bash
# The two free-camera views in a real window: the overhead view at start and
# the end view after one press of V. Neither takes in the scoreboards, which
# hang above the wall at x = -3360 and +3360: from the end view they lie 49
# degrees to either side, beyond the lens's 39. So the user's mouse look then
# turns the free camera to the west board and across to the east one.
# The screenshots are kept in e2e-artifacts/ (view_*.png) to be looked at.
source "$(dirname "$0")/lib.sh" "$1"

[ -d "$BUILD_DIR/meshes" ] || fail "no meshes/ in $BUILD_DIR"

pixels_changed() {
    local changed
    changed=$(compare -metric AE -fuzz 5% "$1" "$2" null: 2>&1 || true)
    echo "${changed%%.*}"
}

# Takes screenshot NAME until it differs from BEFORE in a fifth of the window
# or more; prints its path. Fails after about five seconds: on a loaded machine
# a frame can take a while, and no fixed sleep is safe.
wait_for_new_view() {
    local before="$1" name="$2" shot
    for _ in $(seq 1 10); do
        sleep 0.5
        shot=$(screenshot "$id" "$name")
        [ "$(pixels_changed "$before" "$shot")" -gt 60000 ] && { echo "$shot"; return 0; }
    done
    return 1
}

# The game re-centres the cursor every frame, and the mouse look turns by 100
# degrees per window width and height. A move to X Y in the window turns the
# view once. Our own re-centring can overtake a move within one frame, so a
# move that changed nothing is made again.
turn() {
    local before="$1" name="$2" x="$3" y="$4"
    xdotool mousemove --window "$id" "$x" "$y"
    wait_for_new_view "$before" "$name" && return 0
    xdotool mousemove --window "$id" "$x" "$y"
    wait_for_new_view "$before" "$name" || fail "the mouse did not turn the view to $name"
}

start_xvfb
start_game
id=$(wait_window)
# Let the first frames settle the camera and the engine load every texture.
sleep 3
overhead=$(screenshot "$id" view_overhead)
check_scene "$overhead"

send_keys "$id" v
end=$(wait_for_new_view "$overhead" view_end) || fail "V did not change the view"
sleep 0.5
end=$(screenshot "$id" view_end)
check_scene "$end"

# 288 pixels right of the centre turns 45 degrees right (to face west), 144 up
# lifts the view from 30 degrees down to level.
turn "$end" view_end_west_board 608 96 >/dev/null
west=$(screenshot "$id" view_end_west_board)
check_scene "$west"
# Across to the east board in two turns of 45 degrees to the left.
turn "$west" view_end_ahead 32 240 >/dev/null
ahead=$(screenshot "$id" view_end_ahead)
turn "$ahead" view_end_east_board 32 240 >/dev/null
east=$(screenshot "$id" view_end_east_board)
check_scene "$east"

close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after closing the window"
echo "PASS"
