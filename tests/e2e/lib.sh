# Helpers for the end-to-end tests: the real game in a real window under Xvfb
# with Mesa's software OpenGL. Source it with the build folder as $1.
set -euo pipefail

BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
E2E_WORK="$(mktemp -d /tmp/skorvane-e2e.XXXXXX)"
ARTIFACTS="$BUILD_DIR/e2e-artifacts"
mkdir -p "$ARTIFACTS"
XVFB_PID=""
GAME_PID=""
GAME_OUT="$E2E_WORK/game.out"
export LIBGL_ALWAYS_SOFTWARE=1
# The game remembers its settings and saves screenshots in the user's
# folders: each test keeps its own, so no run starts with another's window.
export XDG_CONFIG_HOME="$E2E_WORK/config" XDG_PICTURES_DIR="$E2E_WORK/pictures"

fail() { echo "FAIL: $*" >&2; [ -f "$GAME_OUT" ] && { echo "--- game output:" >&2; tail -c 3000 "$GAME_OUT" >&2; echo >&2; }; exit 1; }

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$E2E_WORK"
}
trap cleanup EXIT

# Starts Xvfb on a free display and exports DISPLAY; its screen is 1024x768
# unless given as WxH. An X server resets when its last client leaves, and a
# client that connects during the reset (the game, just after the readiness
# probe) is refused: -noreset keeps it up.
# The window tests also take turns starting servers, under a lock the servers
# do not inherit, each on a display that has neither a lock file nor a socket.
start_xvfb() {
    local screen="${1:-1024x768}"
    exec 9>/tmp/skorvane-e2e-xvfb.lock
    flock -w 60 9 || fail "another window test holds the X server lock"
    local number=""
    for n in $(seq 20 119); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            number=$n
            break
        fi
    done
    [ -n "$number" ] || { flock -u 9; fail "no free X display"; }
    Xvfb ":$number" -screen 0 "${screen}x24" -nolisten tcp -noreset 9>&- >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$number"
    local ready=""
    for _ in $(seq 1 100); do
        if [ -S "/tmp/.X11-unix/X$number" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
            ready=1
            break
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    flock -u 9
    exec 9>&-
    [ -n "$ready" ] || fail "Xvfb on $DISPLAY did not start"
}

# Starts the game from a run folder (default: the build folder) in the
# background; any further arguments are the game's options.
start_game() {
    local run_dir="${1:-$BUILD_DIR}"
    shift || true
    (cd "$run_dir" && exec stdbuf -o0 "$BUILD_DIR/skorvane" "$@" >"$GAME_OUT" 2>&1) &
    GAME_PID=$!
}

# Waits for the game's window (by its caption) and prints its id.
wait_window() {
    local id=""
    for _ in $(seq 1 200); do
        id=$(xdotool search --name '^Skorvane A0\.85' 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window showed"
        sleep 0.1
    done
    fail "no game window"
}

caption() { xdotool getwindowname "$1"; }

# Focuses the window, then presses and releases each key named (xdotool names).
send_keys() {
    local id="$1"; shift
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    for key in "$@"; do
        xdotool key --window "$id" --delay 60 "$key"
        sleep 0.15
    done
}

# Ctrl held around the letter (an xdotool name): the game acts on the release.
ctrl_key() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool keydown ctrl; xdotool key --delay 60 "$2"; xdotool keyup ctrl
    sleep 0.15
}

screenshot() { import -window "$1" "$ARTIFACTS/$2.png"; echo "$ARTIFACTS/$2.png"; }

close_window() { "$BUILD_DIR/tests/xclose" "$1"; }

# Waits for the game to end and sets GAME_STATUS to its exit status.
# (Call it directly, not in $(...): only this shell can wait for the game.)
wait_game() {
    GAME_STATUS=0
    for _ in $(seq 1 200); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not end"
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}

# Waits up to SECONDS (default 20) for the final whistle's summary on the
# console: the result panel is up and waits for the user.
wait_result() {
    for _ in $(seq 1 $(( ${1:-20} * 10 ))); do
        grep -q "^Final score:" "$GAME_OUT" && return 0
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended without its result"
        sleep 0.1
    done
    fail "no result after ${1:-20} s"
}

# The game's average frame time in ms, from the caption's "avg:" field.
frame_ms() { caption "$1" | sed -n 's/.* avg:\([0-9.]*\)$/\1/p'; }

# Runs COMMAND... every 0.2 s until it succeeds; fails, saying WHAT, once
# MAX seconds have gone by. A loaded machine draws frames late and drops
# ticks from frames over 100 ms: a wait is for what the game shows, never for
# a time.
wait_for() {
    local max="$1" what="$2"; shift 2
    local deadline=$((SECONDS + max))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$what (after ${max} s)"
        sleep 0.2
    done
}

# Takes screenshot NAME of window ID until it differs from screenshot BEFORE
# in more than PIXELS pixels of REGION (WxH+X+Y; "" for all of it), for at
# most MAX seconds (default 10); prints its path.
wait_changed() {
    local id="$1" before="$2" name="$3" pixels="$4" region="${5:-}" max="${6:-10}" shot changed
    local deadline=$((SECONDS + max))
    while :; do
        shot=$(screenshot "$id" "$name")
        if [ -n "$region" ]; then changed=$(region_difference "$before" "$shot" "$region")
        else changed=$(image_difference "$before" "$shot"); fi
        [ "${changed%%.*}" -gt "$pixels" ] && { echo "$shot"; return 0; }
        [ "$SECONDS" -lt "$deadline" ] || fail "$name: no change from $(basename "$before") (${changed} pixels)"
        sleep 0.2
    done
}

# Waits until the HUD's top line (score, period and game clock) of window ID
# has shown N new readings: the clock moves once a game second, 20 ticks, and
# only while the ball is in play, so at least 20 x N ticks have run after the
# first firing, however slowly the frames come. SCALE is the window's size
# over 640 x 480 (default 1); fails after MAX seconds (default 90).
wait_game_seconds() {
    local id="$1" seconds="$2" scale="${3:-1}" max="${4:-90}" seen=0
    local region="$(( 160 * scale ))x$(( 20 * scale ))+$(( 280 * scale ))+$(( 15 * scale ))"
    local last="$E2E_WORK/clock-last.png" now="$E2E_WORK/clock-now.png"
    local deadline=$((SECONDS + max))
    import -window "$id" "$last"
    while [ "$seen" -lt "$seconds" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "the game clock moved only $seen of $seconds game seconds in ${max} s"
        sleep 0.2
        import -window "$id" "$now"
        if [ "$(region_difference "$last" "$now" "$region")" -gt 20 ]; then
            seen=$((seen + 1))
            mv "$now" "$last"
        fi
    done
}

# Prints "R G B" (0..255) of the pixel at X Y of a screenshot.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Number of pixels that differ between two screenshots of the same size.
image_difference() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }

# The same within one region, given as WxH+X+Y.
region_difference() {
    local a="$E2E_WORK/region-a.png" b="$E2E_WORK/region-b.png"
    convert "$1" -crop "$3" +repage "$a"
    convert "$2" -crop "$3" +repage "$b"
    image_difference "$a" "$b"
}

# A textured scene has thousands of colours; an empty one the clear colour and
# a few for the HUD text. From inside the hall some surface lies behind every
# pixel, so the clear colour (63, 63, 63) shows only where a piece of the
# arena is missing, as the floor or the track would be if not drawn.
check_scene() {
    local colours background
    colours=$(identify -format '%k' "$1")
    # Everything but the clear colour goes black first, so white in the scene
    # (an untextured floor) is not counted with it.
    background=$(convert "$1" -fill black +opaque "rgb(63,63,63)" -fill white -opaque "rgb(63,63,63)" \
        -format '%[fx:int(1000*mean.r)]' info:)
    echo "$(basename "$1"): $colours colours, $background/1000 of the window bare"
    [ "$colours" -gt 500 ] || fail "$(basename "$1") shows hardly anything ($colours colours)"
    [ "$background" -le 10 ] || fail "$(basename "$1") shows the bare background in $background/1000 of the window"
}

# Whether screenshot NAME of window ID shows a drawn scene (see check_scene).
scene_shown() { [ "$(identify -format '%k' "$(screenshot "$1" "$2")")" -gt 500 ]; }

# Clicks a mouse button (1 left, 3 right) at the window's centre, where the
# game keeps the pointer, so the free camera does not turn.
click() {
    xdotool mousemove --window "$1" 320 240 click "$2"
    sleep 0.15
}

# ---- Reading the HUD by OCR (tesseract) ------------------------------------

# Prints what OCR reads in one line of HUD text: the area X,Y,W,H (px of the
# 640 x 480 layout, scaled by SCALE) of screenshot SHOT. Every HUD line is
# drawn on its own dark band, which joins the outlines of its glyphs: the
# largest near-black patch in the area is that band, and only the band goes
# to OCR, enlarged to ENLARGE percent of the classic size, dark on light.
# WHITELIST holds the characters the line's format can contain; PSM is
# tesseract's page layout (7: one line, 6: a block of lines).
read_hud_line() {
    local shot="$1" scale="$2" x="$3" y="$4" w="$5" h="$6" whitelist="$7" psm="$8" enlarge="$9"
    local area="$E2E_WORK/area.png" line="$E2E_WORK/line.png" band
    convert "$shot" -crop "$(( (w + 8) * scale ))x$(( h * scale ))+$(( (x - 4) * scale ))+$(( y * scale ))" +repage "$area"
    band=$(convert "$area" -colorspace gray -threshold 6% -negate \
               -define connected-components:verbose=true -connected-components 8 null: |
           awk '/gray\(255\)|srgb\(255,255,255\)/ { split($2, a, /[x+]/); if (a[1] * a[2] > best) { best = a[1] * a[2]; box = $2 } }
                END { print box }')
    [ -n "$band" ] || { echo "(no band)"; return; }
    # In a block of lines, the ground beside a shorter line is blacked out:
    # only the band and the glyphs within it (its mask closed over them) stay.
    local kept="$E2E_WORK/kept.png"
    if [ "$psm" = 6 ]; then
        convert "$area" -colorspace gray \( +clone -threshold 6% -negate -morphology Close "Disk:$(( 2 * scale ))" \) \
            -compose multiply -composite "$kept"
    else
        convert "$area" -colorspace gray "$kept"
    fi
    # Glyphs are at least half bright; stretched, their soft edges firm up.
    convert "$kept" -crop "$band" +repage -resize "$(( enlarge / scale ))%" -level 0,50% -negate \
        -bordercolor white -border 16 "$line"
    tesseract "$line" - --psm "$psm" -c tessedit_char_whitelist="$whitelist" 2>/dev/null | sed '/^\s*$/d' |
        tr '\n' '|' | sed 's/|$//'
}

# OCR's spacing and its reading of colons on glyphs this small vary with
# the enlargement, as a reader might lean closer: a text passes when its
# reading at three to six times the classic size, in steps of a half,
# matches PATTERN (a regular expression) exactly. Prints the last reading.
read_matching() {
    local pattern="$1" reading=""; shift
    for enlarge in 300 400 500 600 350 450 550; do
        reading=$(read_hud_line "$@" "$enlarge")
        [[ "$reading" =~ $pattern ]] && break
    done
    echo "$reading"
}
