#!/usr/bin/env bash
# The game opens its window with the driver in the caption, ends normally when
# the window is closed mid-match, and halts with a message when there is no display.
source "$(dirname "$0")/lib.sh" "$1"

start_xvfb
start_game
id=$(wait_window)
sleep 1
title=$(caption "$id")
echo "caption: $title"
[[ "$title" =~ ^Skorvane\ A0\.85\ \[OpenGL[^]]*\]\ fps:[0-9]+\ avg:[0-9]+\.[0-9]$ ]] || fail "caption '$title'"
screenshot "$id" window >/dev/null

# Close it in the middle of a match: automatic play on, the ball fired.
send_keys "$id" space b
sleep 2
close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after closing the window"
grep -Eq '^count=[0-9]+ lo=[0-9]+ hi=[0-9]+ avg=[0-9.]+$' "$GAME_OUT" || fail "no statistics line"

# No display at all: the device cannot be created.
status=0
(cd "$BUILD_DIR" && env -u DISPLAY "$BUILD_DIR/skorvane" >"$GAME_OUT" 2>&1) || status=$?
[ "$status" = 1 ] || fail "exit status $status without a display"
grep -qzP 'Cannot create graphics driver!\nhalting$' "$GAME_OUT" || fail "no halting message without a display"
echo "PASS"
