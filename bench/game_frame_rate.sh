#!/usr/bin/env bash
# Frame rate of the real game under Xvfb with Mesa's software OpenGL at
# 640 x 480, in every camera mode with the whole field on the track, against
# the engine's bare loop measured in the same run; start-up time to the first
# drawn frame, and peak memory. Usage: bench/game_frame_rate.sh BUILD_DIR;
# WINDOW=1280x960 measures a window of that size instead; SPEED=32 measures
# every mode again at that speed of the match (a power of two), right after
# its normal speed, and says the ratio.
source "$(dirname "$0")/../tests/e2e/lib.sh" "${1:-build}"
settle="${SETTLE_SECONDS:-4}"

if [ -n "${WINDOW:-}" ]; then
    start_xvfb 1920x1200
else
    start_xvfb
fi
bare=$("$BUILD_DIR/bench/skorvane_bare_loop" 5 | grep '^bare loop')
bare_ms=$(sed -E 's/.*ms_per_frame=([0-9.]+).*/\1/' <<<"$bare")
echo "$bare"

# Start-up: from launch until the caption appears, which the first drawn frame writes.
launch=$(date +%s%N)
start_game "$BUILD_DIR" ${WINDOW:+--window "$WINDOW"}
id=""
while [ -z "$id" ]; do
    id=$(xdotool search --name '^Skorvane A0\.85' 2>/dev/null | head -n 1 || true)
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended"
done
first_frame=$(date +%s%N)
echo "start-up to first drawn frame: $(( (first_frame - launch) / 1000000 )) ms"

# Both teams out of their seats and lapping, automatic play on.
send_keys "$id" ctrl+o Tab ctrl+o space
sleep 8
send_keys "$id" l Tab l
sleep 3

modes=("overhead" "end view" "ball chase" "player chase")
for mode in 0 1 2 3; do
    sleep "$settle"
    title=$(caption "$id")
    fps=$(sed -E 's/.*fps:([0-9]+).*/\1/' <<<"$title")
    frame_ms=$(awk -v f="$fps" 'BEGIN { printf "%.3f", 1000 / f }')
    ratio=$(awk -v g="$frame_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", g / b }')
    echo "mode $mode (${modes[$mode]}): fps $fps, frame $frame_ms ms, $ratio x the bare loop"
    if [ -n "${SPEED:-}" ]; then
        for (( s = 1; s < SPEED; s *= 2 )); do send_keys "$id" bracketright; done
        sleep "$settle"
        fast=$(caption "$id" | sed -E 's/.*fps:([0-9]+).*/\1/')
        echo "mode $mode at ${SPEED} times speed: fps $fast, $(awk -v f="$fast" -v n="$fps" 'BEGIN { printf "%.0f", 100 * f / n }') % of normal speed"
        send_keys "$id" BackSpace
    fi
    screenshot "$id" "bench_mode_$mode" >/dev/null
    send_keys "$id" v
done

peak=$(awk '/VmHWM/ { print $2, $3 }' "/proc/$GAME_PID/status")
echo "peak memory: $peak"
close_window "$id"
wait_game
