#!/usr/bin/env bash
# The game as a desktop program: a quiet console unless --verbose, the F1
# panel of keys read by OCR, F12 screenshots (and a folder they cannot go
# into), settings remembered from one run to the next (and a damaged file,
# and --defaults), and --max-fps holding the frame rate down.
source "$(dirname "$0")/lib.sh" "$1"

command -v tesseract >/dev/null || fail "tesseract is not installed (Debian: tesseract-ocr)"
geometry_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
settings="$XDG_CONFIG_HOME/skorvane/settings.ini"
start_xvfb 1280x1024

# ---- A quiet console, the help panel and a screenshot --------------------------
start_game
id=$(wait_window)
sleep 2
# The panel's help lines, white on its dark ground, read as one block: the
# match's keys on the first page, the view's and time's on the second.
read_panel() {
    local shot
    shot=$(screenshot "$id" "desktop_help_$1")
    convert "$shot" -crop 620x392+10+34 +repage -colorspace gray -negate -resize 300% "$E2E_WORK/panel.png"
    tesseract "$E2E_WORK/panel.png" - --psm 6 2>/dev/null
}
count_lines() {
    local panel=$1 count=0 line
    shift
    for line in "$@"; do
        grep -qF "$line" <<<"$panel" && count=$((count + 1))
    done
    echo "$count"
}
send_keys "$id" F1
sleep 1
panel=$(read_panel match_keys)
read_lines=$(count_lines "$panel" "Select the home team (HOU)" "Select the away team (MAD)" \
             "Switch between the two teams" "Fire the ball" "Next camera mode" "Pause / resume the match" \
             "Start a new game")
echo "help panel, page 1: OCR read $read_lines of 7 help lines"
[ "$read_lines" -ge 3 ] || fail "OCR read only $read_lines help lines on the panel's first page: $panel"
grep -qF "Save a screenshot" <<<"$panel" && fail "the first page shows a viewer's key: $panel"
send_keys "$id" F1
sleep 1
panel=$(read_panel view_keys)
read_lines=$(count_lines "$panel" "Sound off / on" "Save a screenshot" "Match at normal speed" \
             "Replay: to its start" "Replay: to its end" "Quit")
echo "help panel, page 2: OCR read $read_lines of 6 help lines"
[ "$read_lines" -ge 3 ] || fail "OCR read only $read_lines help lines on the panel's second page: $panel"
grep -qF "Fire the ball" <<<"$panel" && fail "the second page shows a match key: $panel"
send_keys "$id" F1
sleep 1
send_keys "$id" F12
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after F12"
picture=$(ls "$XDG_PICTURES_DIR"/skorvane/skorvane-*.png 2>/dev/null | head -n 1)
[ -n "$picture" ] || fail "F12 saved no picture in $XDG_PICTURES_DIR/skorvane"
[ "$(identify -format '%m %wx%h' "$picture")" = "PNG 640x480" ] || fail "the screenshot is $(identify "$picture")"
colours=$(convert "$picture" -format '%k' info:)
[ "$colours" -gt 500 ] || fail "the screenshot shows hardly anything ($colours colours)"
grep -qF "screenshot saved: $picture" "$GAME_OUT" || fail "the console does not name the screenshot"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q"
grep -q "Loaded texture" "$GAME_OUT" && fail "the engine's log reached the console"
grep -q "^AL lib\|^ALSA lib" "$GAME_OUT" && fail "the sound library's lines reached the console"
grep -Eq '^count=[0-9]+ ' "$GAME_OUT" || fail "no statistics line"
[ "$(cat "$settings")" = "$(printf '# Skorvane'"'"'s settings, written when the game ends; the options given to it\n# win over them, and --defaults starts without them.\n[skorvane]\nwindow = 640x480\nfullscreen = off\nsound = on\ngoal-replays = off')" ] ||
    fail "the settings written at the end: $(cat "$settings")"

start_game "$BUILD_DIR" --verbose
id=$(wait_window)
close_window "$id"
wait_game
grep -q "Loaded texture" "$GAME_OUT" || fail "--verbose did not show the engine's log"

# A folder the pictures cannot go into: one line, and the game plays on.
touch "$E2E_WORK/not-a-folder"
XDG_PICTURES_DIR="$E2E_WORK/not-a-folder/pictures" start_game
id=$(wait_window)
send_keys "$id" F12
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended when its screenshot could not be saved"
[ "$(grep -c '^screenshot not saved: ' "$GAME_OUT")" = 1 ] || fail "no one line about the unsaved screenshot"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after an unsaved screenshot"

# ---- Remembered settings --------------------------------------------------------
# A size chosen by --window is the next start's without options.
start_game "$BUILD_DIR" --window 800x600
id=$(wait_window)
close_window "$id"
wait_game
start_game
id=$(wait_window)
[ "$(geometry_of "$id")" = 800x600 ] || fail "the next start opened $(geometry_of "$id"), not the 800x600 kept"
close_window "$id"
wait_game

# --defaults neither reads the file nor writes it.
kept=$(cat "$settings")
start_game "$BUILD_DIR" --defaults --window 1024x768
id=$(wait_window)
close_window "$id"
wait_game
[ "$(cat "$settings")" = "$kept" ] || fail "--defaults wrote the settings"
start_game "$BUILD_DIR" --defaults
id=$(wait_window)
[ "$(geometry_of "$id")" = 640x480 ] || fail "--defaults opened $(geometry_of "$id")"
close_window "$id"
wait_game

# A damaged file: the defaults and one line, and the file as it was until
# the game ends normally.
head -c 2000 /dev/urandom >"$settings"
damaged=$(md5sum <"$settings")
start_game
id=$(wait_window)
[ "$(geometry_of "$id")" = 640x480 ] || fail "a damaged settings file opened $(geometry_of "$id")"
[ "$(grep -c "^settings file $settings " "$GAME_OUT")" = 1 ] || fail "no one line about the damaged settings file"
[ "$(md5sum <"$settings")" = "$damaged" ] || fail "the damaged settings file was changed before the end"
close_window "$id"
wait_game
grep -q '^window = 640x480$' "$settings" || fail "the normal end did not write good settings"

# ---- Frame pacing ------------------------------------------------------------------
start_game "$BUILD_DIR" --defaults --vsync --max-fps 20
id=$(wait_window)
send_keys "$id" space
sleep 4
title=$(caption "$id")
fps=$(sed -n 's/.* fps:\([0-9]*\) .*/\1/p' <<<"$title")
echo "with --max-fps 20: $title"
[ -n "$fps" ] && [ "$fps" -le 22 ] && [ "$fps" -ge 12 ] || fail "--max-fps 20 drew at $fps fps"
close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS with --max-fps"
echo "PASS"
