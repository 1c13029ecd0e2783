#!/usr/bin/env bash
# A match recorded in the window is played back headless as the same match, tick
# for tick, and in the window to the same end; a recording with one key moved by
# one tick is caught at that tick, and a cut or foreign file is refused clearly.
source "$(dirname "$0")/lib.sh" "$1"
sim="$BUILD_DIR/skorvane-sim"
rec="$E2E_WORK/match.rec"

start_xvfb
start_game "$BUILD_DIR" --record "$rec"
id=$(wait_window)

# Both teams out, automatic play, the ball fired; then the home team sent
# lapping, skater 5 chased and steered by hand, a pause, a stop, the ball
# put back and fired again: about half a minute of commands.
ctrl_key "$id" o
send_keys "$id" Tab
ctrl_key "$id" o
send_keys "$id" space Tab b
sleep 6
send_keys "$id" l 5 o
sleep 3
send_keys "$id" v v v Right
sleep 0.3
send_keys "$id" Left
sleep 1
send_keys "$id" Left
sleep 0.3
send_keys "$id" Right
sleep 2
send_keys "$id" p
sleep 1
send_keys "$id" 6 s p
sleep 2
send_keys "$id" i
sleep 2
send_keys "$id" b 7 s v
sleep 5
recorded_shot=$(screenshot "$id" replay-recorded)
check_scene "$recorded_shot"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q while recording"
echo "recording: $(wc -c <"$rec") bytes, $(grep -c '^m ' "$rec") commands, $(grep -c '^c ' "$rec") checks"
tail -n 1 "$rec"
head -n 1 "$rec" | grep -qx 'skorvane recording 2' || fail "no recording header"
grep -Eq '^end [0-9]+ [0-9a-f]{16}$' "$rec" || fail "no end line in the recording"
[ "$(grep -c '^m ' "$rec")" -ge 20 ] || fail "too few commands recorded"
grep -q '^m [0-9]* leave-seat ctrl$' "$rec" || fail "Ctrl+O was not recorded as the team's command"
grep -q '^m [0-9]* steer-out$' "$rec" || fail "the arrow that took the player over was not recorded"
ticks=$(awk '/^end/ { print $2 }' "$rec")
[ "$ticks" -gt 1000 ] || fail "only $ticks ticks in about 30 s"

# Headless, the same match.
out=$("$sim" --replay "$rec") || fail "the headless replay failed: $out"
echo "$out"
grep -q "replay: the same match, $ticks ticks" <<<"$out" || fail "no verdict from the headless replay"

# The first B moved one tick later: the match differs from that tick on.
line=$(grep -n '^m [0-9]* fire-ball$' "$rec" | head -n 1)
number=${line%%:*}
tick=$(awk '{ print $2 }' <<<"${line#*:}")
moved="$E2E_WORK/moved.rec"
awk -v n="$number" 'NR == n { $2 = $2 + 1 } { print }' "$rec" >"$moved"
status=0
out=$("$sim" --replay "$moved") || status=$?
echo "$out"
[ "$status" = 1 ] || fail "a moved key gave status $status"
grep -q "replay diverged at tick $tick " <<<"$out" || fail "the divergence was not put at tick $tick"

# Cut short, random bytes, missing: a clear word and status 2, in both programs.
head -c $(( $(wc -c <"$rec") / 2 )) "$rec" >"$E2E_WORK/cut.rec"
head -c 3000 /dev/urandom >"$E2E_WORK/random.rec"
for bad in cut random missing; do
    status=0
    "$sim" --replay "$E2E_WORK/$bad.rec" >"$E2E_WORK/sim.out" 2>&1 || status=$?
    [ "$status" = 2 ] || fail "skorvane-sim gave status $status for the $bad file"
    grep -Eq "skorvane-sim: (cannot read the recording|.* is not a Skorvane recording$|.* is damaged: line [0-9]+: )" \
        "$E2E_WORK/sim.out" ||
        fail "no clear message for the $bad file: $(cat "$E2E_WORK/sim.out")"
    status=0
    (cd "$BUILD_DIR" && "$BUILD_DIR/skorvane" --replay "$E2E_WORK/$bad.rec") >"$E2E_WORK/game.err" 2>&1 || status=$?
    [ "$status" = 2 ] || fail "the game gave status $status for the $bad file"
    grep -q "skorvane: " "$E2E_WORK/game.err" || fail "the game said nothing about the $bad file"
done
cat "$E2E_WORK/sim.out"

# In the window: the viewer's own keys change nothing, the match ends as recorded.
start_game "$BUILD_DIR" --replay "$rec"
id=$(wait_window)
send_keys "$id" z space b Tab ctrl+o v
for _ in $(seq 1 120); do
    grep -q "replay: the same match" "$GAME_OUT" && break
    grep -q "replay diverged" "$GAME_OUT" && fail "the window's replay diverged"
    kill -0 "$GAME_PID" 2>/dev/null || fail "the replay ended early"
    sleep 0.5
done
grep -q "replay: the same match, $ticks ticks" "$GAME_OUT" || fail "the window's replay did not reach the end"
played_shot=$(screenshot "$id" replay-played)
check_scene "$played_shot"
# The replay's progress, beside the clock, reads 100 % at its end; live play
# shows none there.
progress=$(read_matching '^100%$' "$played_shot" 1 372 0 88 14 '0123456789%' 7)
[ "$progress" = "100%" ] || fail "the replay's end shows progress '$progress', not 100%"
live=$(read_hud_line "$recorded_shot" 1 372 0 88 14 '0123456789%' 7 400)
[ "$live" = "(no band)" ] || fail "live play shows a replay's progress: '$live'"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q in the replay"
echo "PASS"
