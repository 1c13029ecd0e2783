#!/usr/bin/env bash
# Frame cost of the real game under Xvfb with Mesa's software OpenGL, in every
# camera mode, against the engine's bare loop measured in the same run; the
# draw calls, triangles, pixels shaded and overdraw of each mode, the
# textures' formats and sizes, start-up to the first drawn frame, and peak
# memory.
#
# Usage: bench/game_frame_rate.sh BUILD_DIR
#   WINDOW=1280x960   a window of that size instead of the classic 640 x 480
#   BEFORE=DIR        the same figures for the build in DIR too, the two
#                     builds taking turns ROUNDS times (default 3), with the
#                     ratio of their frame rates per mode
#   SPEED=32          every mode again at that speed of the match (a power of
#                     two), live, right after its normal speed
#
# Every build shows the same moment of the same match: the committed
# recording of seed 1 sought 5 minutes of game clock in (all twenty players on
# the track under automatic play), then paused, so the figures of two builds
# and of two runs compare picture for picture.
source "$(dirname "$0")/../tests/e2e/lib.sh" "${1:-build}"
settle="${SETTLE_SECONDS:-3}"
rounds="${ROUNDS:-3}"
recording="$(cd "$(dirname "$0")/.." && pwd)/tests/recordings/headless-seed1.rec"
seeks=10 # PageDown jumps 30 s of the game clock
counter="$BUILD_DIR/bench/libskorvane_gl_count.so"
[ -f "$counter" ] || fail "no $counter: build the bench first"
window="${WINDOW:-640x480}"
pixels=$(awk -F x '{ print $1 * $2 }' <<<"$window")
modes=("overhead" "end view" "ball chase" "player chase")

if [ -n "${WINDOW:-}" ]; then
    start_xvfb 1920x1200
else
    start_xvfb
fi
bare=$("$BUILD_DIR/bench/skorvane_bare_loop" 5 | grep '^bare loop')
bare_ms=$(sed -E 's/.*ms_per_frame=([0-9.]+).*/\1/' <<<"$bare")
echo "$bare"

fps_of() { caption "$1" | sed -E 's/.*fps:([0-9]+).*/\1/'; }

# The median of three readings of the caption, which the engine renews every
# 1.5 s: one slow second on a shared machine does not make the figure.
steady_fps_of() {
    local readings=""
    for (( k = 0; k < 3; ++k )); do
        (( k == 0 )) || sleep 1.6
        readings="$readings $(fps_of "$1")"
    done
    tr ' ' '\n' <<<"$readings" | grep . | sort -n | sed -n 2p
}

# Starts the build's game on the recording, seeks and pauses; sets id.
open_match() {
    local build=$1
    shift
    launch=$(date +%s%N)
    (cd "$build" && exec "$build/skorvane" --defaults --no-sound --replay "$recording" \
        ${WINDOW:+--window "$WINDOW"} "$@" >"$GAME_OUT" 2>&1) &
    GAME_PID=$!
    id=""
    while [ -z "$id" ]; do
        id=$(xdotool search --name '^Skorvane A0\.85' 2>/dev/null | head -n 1 || true)
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game in $build ended"
    done
    first_frame=$(date +%s%N)
    for (( i = 0; i < seeks; ++i )); do send_keys "$id" Next; done
    send_keys "$id" p
}

close_match() {
    close_window "$id"
    wait_game
}

# One timed pass over the four modes: "fps0 fps1 fps2 fps3" into $2's array.
declare -A fps_sum fps_runs startup_ms peak_kb
timed_pass() {
    local build=$1 tag=$2
    open_match "$build"
    startup_ms[$tag]=$(( (first_frame - launch) / 1000000 ))
    local line="$tag:"
    for mode in 0 1 2 3; do
        sleep "$settle"
        local fps
        fps=$(steady_fps_of "$id")
        fps_sum[$tag,$mode]=$(( ${fps_sum[$tag,$mode]:-0} + fps ))
        line="$line ${modes[$mode]} $fps"
        if [ -n "${SPEED:-}" ]; then
            send_keys "$id" p
            for (( s = 1; s < SPEED; s *= 2 )); do send_keys "$id" bracketright; done
            sleep "$settle"
            local fast
            fast=$(fps_of "$id")
            line="$line (x$SPEED: $fast, $(awk -v f="$fast" -v n="$fps" 'BEGIN { printf "%.0f", 100 * f / n }') %)"
            send_keys "$id" BackSpace p
        fi
        screenshot "$id" "bench_${tag}_mode_$mode" >/dev/null
        send_keys "$id" v
    done
    fps_runs[$tag]=$(( ${fps_runs[$tag]:-0} + 1 ))
    peak_kb[$tag]=$(awk '/VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
    echo "$line fps; start-up ${startup_ms[$tag]} ms; peak memory ${peak_kb[$tag]} kB"
    close_match
}

# One counted pass: what each mode asks of the renderer. The counter library
# sits in front of libGL; Mesa's own statistics give the pixels the fragment
# shader ran on (llvmpipe runs it on whole 4 x 4 blocks, so a block a triangle
# only grazes counts in full, as does one the depth test then turns away) and
# the pixels written, that passed the depth test: the overdraw.
counted_pass() {
    local build=$1 tag=$2 counts="$E2E_WORK/gl-$2.txt" hud="$E2E_WORK/hud-$2"
    mkdir -p "$hud"
    GL_COUNT_FILE="$counts" LD_PRELOAD="$counter" GALLIUM_HUD_DUMP_DIR="$hud" GALLIUM_HUD_PERIOD=0.5 \
        GALLIUM_HUD="simple,.w1.h1ps-invocations,samples-passed" open_match "$build"
    for mode in 0 1 2 3; do
        sleep "$settle"
        local frame shaded written
        frame=$(grep '^frame' "$counts" | tail -n 1)
        shaded=$(tail -n 1 "$hud/ps_invocations" | awk '{ print $NF }')
        written=$(tail -n 1 "$hud/samples_passed" | awk '{ print $NF }')
        awk -v tag="$tag" -v mode="${modes[$mode]}" -v shaded="$shaded" -v written="$written" -v pixels="$pixels" '{
            printf "%s %-12s draw calls %5.0f (2D %2.0f), triangles %6.0f, shaded %.2f x the window, written %.2f x\n",
                   tag ":", mode, $4, $6, $8, shaded / pixels, written / pixels }' <<<"$frame"
        send_keys "$id" v
    done
    echo "$tag: textures (count, level 0 size, internal/format/type):"
    grep '^texture level 0 ' "$counts" | sed 's/^texture level 0 //' | sort | uniq -c | sort -rn | sed 's/^/    /'
    close_match
}

builds=("$BUILD_DIR")
tags=("this")
if [ -n "${BEFORE:-}" ]; then
    builds=("$(cd "$BEFORE" && pwd)" "$BUILD_DIR")
    tags=("before" "this")
else
    rounds=1
fi
for (( r = 0; r < rounds; ++r )); do
    for i in "${!builds[@]}"; do timed_pass "${builds[$i]}" "${tags[$i]}"; done
done
for i in "${!builds[@]}"; do counted_pass "${builds[$i]}" "${tags[$i]}"; done

echo "means over $rounds run(s), window $window:"
for mode in 0 1 2 3; do
    line="  ${modes[$mode]}:"
    for tag in "${tags[@]}"; do
        mean=$(awk -v s="${fps_sum[$tag,$mode]}" -v n="${fps_runs[$tag]}" 'BEGIN { printf "%.0f", s / n }')
        ratio=$(awk -v f="$mean" -v b="$bare_ms" 'BEGIN { printf "%.1f", (1000 / f) / b }')
        line="$line $tag $mean fps ($ratio x the bare loop)"
    done
    if [ -n "${BEFORE:-}" ]; then
        line="$line; this / before $(awk -v a="${fps_sum[this,$mode]}" -v b="${fps_sum[before,$mode]}" \
            'BEGIN { printf "%.2f", a / b }')"
    fi
    echo "$line"
done
