#!/usr/bin/env bash
# The HUD reads as it should, by OCR (tesseract), in a real window at the
# classic 640 x 480 and at 1280 x 960: the score line and the ball line in
# each camera mode, before play (where their texts are known to the letter)
# and during automatic play (where every character must fit the line's
# format), and at 1280 x 960 a home and an away readout of the roster.
# Then the full screen, a window of a chosen size, bad window options, and
# the engine's font standing in for a missing HUD font. Screenshots stay in
# e2e-artifacts/ (legible_*.png).
source "$(dirname "$0")/lib.sh" "$1"

command -v tesseract >/dev/null || fail "tesseract is not installed (Debian: tesseract-ocr)"

# ---- Bad window options: a message and status 2, before any window -----------
for options in "--window 0x0" "--window abc" "--window 100000x100000" "--window" "--no-such-option"; do
    status=0
    # shellcheck disable=SC2086 # the options are meant to split into words
    "$BUILD_DIR/skorvane" $options >"$E2E_WORK/options.out" 2>&1 || status=$?
    [ "$status" = 2 ] || fail "status $status after '$options'"
    grep -q '^skorvane: ' "$E2E_WORK/options.out" || fail "no message after '$options'"
    echo "refused '$options': $(cat "$E2E_WORK/options.out")"
done
"$BUILD_DIR/skorvane" --help | grep -q -- '--window WxH' || fail "--help does not list --window"
"$BUILD_DIR/skorvane" --help | grep -q -- '--fullscreen' || fail "--help does not list --fullscreen"

# ---- Reading the HUD ------------------------------------------------------------

SCORE_CHARACTERS="HOUMAD:0123456789 "
BALL_CHARACTERS="0123456789.-mphHA "
READOUT_CHARACTERS="HAr:tmphexuk.-0123456789 "
SCORE_FORMAT='^HOU:[0-9]{2} MAD:[0-9]{2} [0-9] [0-6][0-9]:[0-5][0-9]$'
# "%02.1fm %03d %03dmph", then the holder if any: three places at least, a
# minus sign taking one.
BALL_FORMAT='^[0-9]{1,2}\.[0-9]m (-[0-9]{2,}|[0-9]{3,}) (-[0-9]{2,}|[0-9]{3,})mph( [HA][0-9])?$'

# One enlargement for every line, as a reader at arm's length: four times
# the classic size.
LINE_ENLARGE=400

# Prints what OCR reads of the score line (280, 15) or the ball line (280,
# 460) of SHOT, at the window's SCALE.
read_score() { read_hud_line "$1" "$2" 280 15 160 15 "$SCORE_CHARACTERS" 7 "$LINE_ENLARGE"; }
read_ball() { read_hud_line "$1" "$2" 280 460 160 18 "$BALL_CHARACTERS" 7 "$LINE_ENLARGE"; }

# In play a score line must also agree with the last one read: scores never
# fall, and the clock runs down within a period.
score_follows() {
    local score="$1"
    local home=$((10#${score:4:2})) away=$((10#${score:11:2})) period=${score:14:1}
    local clock=$((10#${score:16:2} * 60 + 10#${score:19:2}))
    if [ -n "$LAST_PERIOD" ]; then
        [ "$home" -ge "$LAST_HOME" ] && [ "$away" -ge "$LAST_AWAY" ] || return 1
        [ "$period" -gt "$LAST_PERIOD" ] || { [ "$period" = "$LAST_PERIOD" ] && [ "$clock" -le "$LAST_CLOCK" ]; } ||
            return 1
    fi
    LAST_HOME=$home LAST_AWAY=$away LAST_PERIOD=$period LAST_CLOCK=$clock
}

# Checks a roster readout, LEFT px from the layout's left edge, row 0.
check_readout() {
    local shot="$1" scale="$2" left="$3" team="$4" readout pattern
    # "%c%d r:%3.1fm t:%03d mph:%3d hp:%d", then "e:%d u:%d k:%d p:%d x:%d".
    local whole='(0|-?[1-9][0-9]*)'
    pattern="^${team}0 r:[0-9]{1,3}\.[0-9]m t:(-[0-9]{2,}|[0-9]{3,}) mph: *$whole hp:$whole"
    pattern+="\|e:$whole u:$whole k:$whole p:$whole x:$whole\$"
    readout=$(read_matching "$pattern" "$shot" "$scale" "$left" 50 160 21 "$READOUT_CHARACTERS" 6)
    echo "$(basename "$shot"): readout $team '$readout'"
    [[ "$readout" =~ $pattern ]] || fail "the $team readout of $(basename "$shot") read as '$readout'"
}

start_xvfb 1600x1200
for size in ${SIZES:-640x480 1280x960}; do
    scale=$(( ${size%x*} / 640 ))
    if [ "$size" = 640x480 ]; then start_game; else start_game "$BUILD_DIR" --window "$size"; fi
    id=$(wait_window)
    geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')
    [ "$geometry" = "$size" ] || fail "the window is $geometry, not $size"
    sleep 2

    # Before play the clock stands at 60:00 and the ball rests where it
    # starts: each line is known to the letter, and still, so one frame serves.
    modes=(overhead end-view ball-chase player-chase)
    misread_before=""
    for mode in 0 1 2 3; do
        shot=$(screenshot "$id" "legible_${size}_before_${modes[$mode]}")
        score=$(read_score "$shot" "$scale")
        ball=$(read_ball "$shot" "$scale")
        echo "$(basename "$shot"): score '$score', ball '$ball'"
        [ "$score" = "HOU:00 MAD:00 0 60:00" ] || misread_before+=" '$score'"
        [ "$ball" = "28.6m 270 000mph" ] || misread_before+=" '$ball'"
        send_keys "$id" v
        sleep 1
    done

    # Automatic play: the teams on the track and the ball in flight; home
    # skater 5 for the player chase. Roster readouts in the end view.
    LAST_PERIOD=""
    send_keys "$id" space
    wait_game_seconds "$id" 15 "$scale"
    send_keys "$id" 5
    read_lines=0
    for mode in 0 1 2 3; do
        sleep 1
        # In play the lines change every frame: a line has up to three frames
        # to read as its format says.
        score_read="" ball_read=""
        for try in 1 2 3; do
            shot=$(screenshot "$id" "legible_${size}_${modes[$mode]}_$try")
            if [ -z "$score_read" ]; then
                score=$(read_score "$shot" "$scale")
                echo "$(basename "$shot"): score '$score'"
                [[ "$score" =~ $SCORE_FORMAT ]] && score_read=1
            fi
            if [ -z "$ball_read" ]; then
                ball=$(read_ball "$shot" "$scale")
                echo "$(basename "$shot"): ball '$ball'"
                [[ "$ball" =~ $BALL_FORMAT ]] && ball_read=1
            fi
            [ -n "$score_read" ] && [ -n "$ball_read" ] && break
        done
        if [ -n "$score_read" ]; then
            score_follows "$score" || fail "the score line went back to '$score'"
            read_lines=$((read_lines + 1))
        fi
        [ -n "$ball_read" ] && read_lines=$((read_lines + 1))
        # The readouts' 10 px rows at 640 x 480 are read by eye only (their
        # screenshot is kept): OCR needs the room of the larger window.
        if [ "$mode" = 1 ] && [ "$scale" -ge 2 ]; then
            send_keys "$id" u
            sleep 1.5
            shot=$(screenshot "$id" "legible_${size}_roster")
            check_readout "$shot" "$scale" 10 H
            check_readout "$shot" "$scale" 470 A
            send_keys "$id" u
        fi
        send_keys "$id" v
    done

    echo "$size: OCR read $read_lines of the 8 score and ball lines in play"
    [ -z "$misread_before" ] || fail "lines before play at $size read as$misread_before"
    [ "$read_lines" -ge 7 ] || fail "only $read_lines of the 8 lines in play read at $size"

    # The home team marker, a 20 px square at (5, 5) in the layout, scales too.
    read -r r g b <<<"$(pixel "$shot" $(( 23 * scale )) $(( 23 * scale )))"
    [ $((r - b)) -gt 60 ] && [ "$r" -gt "$g" ] || fail "no home team marker at the scaled top left ($r $g $b)"

    close_window "$id"
    wait_game
    [ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS at $size"
    grep -q "HUD font" "$GAME_OUT" && fail "the HUD font did not load at $size"
done

# ---- The full screen, a window of another shape, and a missing font -----------
start_game "$BUILD_DIR" --fullscreen
id=$(wait_window)
geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 1600x1200 ] || fail "--fullscreen opened $geometry on a 1600x1200 screen"
close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after --fullscreen"

run="$E2E_WORK/run"
mkdir -p "$run/meshes"
for f in "$BUILD_DIR"/meshes/*; do
    case "$(basename "$f")" in hudfont-*) ;; *) ln -s "$f" "$run/meshes/" ;; esac
done
start_game "$run" --window 1000x600
id=$(wait_window)
sleep 2
geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 1000x600 ] || fail "the window is $geometry, not 1000x600"
check_scene "$(screenshot "$id" legible_engine_font)"
grep -q "^HUD font meshes/hudfont-125.xml missing or damaged: the HUD uses the engine's font$" "$GAME_OUT" ||
    fail "no warning about the missing HUD font"
close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS with the engine's font"
echo "PASS"
