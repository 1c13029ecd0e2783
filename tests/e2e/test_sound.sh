#!/usr/bin/env bash
# The arena heard: OpenAL Soft writes what the game plays into a WAV file
# instead of a card. Half a minute of automatic play holds sound, louder after
# the first firing than before it, and M silences it. With --no-sound no
# device is opened until M, and the headless runner opens none; with no
# device at all the game plays on and ends normally.
source "$(dirname "$0")/lib.sh" "$1"

WAVLEVEL="$BUILD_DIR/tests/wavlevel"
wav="$E2E_WORK/arena.wav"
conf="$E2E_WORK/alsoft.conf"
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$wav" >"$conf"
export ALSOFT_CONF="$conf"

# OpenAL Soft's file output: 44.1 kHz stereo 32-bit float, after its header;
# it writes as it mixes, in real time, so the file's size tells the time.
BYTES_PER_SECOND=$((44100 * 2 * 4))
seconds_written() { awk -v b="$(stat -c %s "$wav")" -v r=$BYTES_PER_SECOND 'BEGIN { printf "%.3f", b / r }'; }
# RMS level (full scale 1) between two times in seconds.
rms() { "$WAVLEVEL" "$wav" "$1:$2" | sed -n 2p | cut -d' ' -f1; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# Whether the file holds more than SECONDS of sound: it is the sound's own clock.
written_past() { above "$(seconds_written)" "$1"; }

start_xvfb
start_game
id=$(wait_window)
for _ in $(seq 1 50); do [ -s "$wav" ] && break; sleep 0.1; done
[ -s "$wav" ] || fail "OpenAL wrote no file: no sound device was opened"
wait_for 30 "under 3 s of sound before play" written_past 3

# Automatic play, and the first firing by hand at a time the file tells.
send_keys "$id" space
fired_at=$(seconds_written)
send_keys "$id" b
wait_for 120 "under 28 s of play written" written_past "$(awk -v t="$fired_at" 'BEGIN { print t + 28 }')"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during automatic play"
before_mute=$(screenshot "$id" sound-on)
send_keys "$id" m
muted_at=$(seconds_written)
# The first frame whose commentary line changed: the notice stands for 2 s.
wait_changed "$id" "$before_mute" sound-off 30 160x30+280+430 >/dev/null
wait_for 30 "under 3 s of sound after M" written_past "$(awk -v t="$muted_at" 'BEGIN { print t + 3 }')"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS after Q"
grep -q 'halting\|pausing' "$GAME_OUT" && fail "a fault was reported during play"
grep -q 'No audio device' "$GAME_OUT" && fail "the wave output was not taken as a device"

length=$("$WAVLEVEL" "$wav" | head -n 1)
before=$(rms "$(awk -v t="$fired_at" 'BEGIN { print t - 2.5 }')" "$fired_at")
after=$(rms "$fired_at" "$(awk -v t="$fired_at" 'BEGIN { print t + 2.5 }')")
playing=$(rms "$(awk -v t="$muted_at" 'BEGIN { print t - 10 }')" "$(awk -v t="$muted_at" 'BEGIN { print t - 0.1 }')")
silenced=$(rms "$(awk -v t="$muted_at" 'BEGIN { print t + 0.3 }')" "$length")
echo "file ${length} s; fired at ${fired_at} s: RMS ${before} before, ${after} after;" \
     "muted at ${muted_at} s: RMS ${playing} before, ${silenced} after"
above "$length" 30 || fail "only ${length} s of sound written"
above "$before" 0.001 || fail "no crowd before the first firing (RMS $before)"
above "$after" "$(awk -v b="$before" 'BEGIN { print b * 1.5 }')" || fail "not louder after the first firing ($before, then $after)"
above "$playing" 0.005 || fail "hardly any sound in the play before M (RMS $playing)"
above 0.00001 "$silenced" || fail "M did not silence the sound (RMS $silenced)"
# The commentary line says so, read by OCR as "Sound off" (a small f may read as an l).
said=$(read_matching '^Sound o[fl]{2}$' "$ARTIFACTS/sound-off.png" 1 280 430 160 30 \
        'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ' 7)
[[ "$said" =~ ^Sound\ o[fl]{2}$ ]] || fail "no 'Sound off' on the commentary line (read: $said)"

# --no-sound: no device is opened (OpenAL writes no file) until M unmutes.
rm -f "$wav"
(cd "$BUILD_DIR" && exec stdbuf -o0 "$BUILD_DIR/skorvane" --no-sound >"$GAME_OUT" 2>&1) &
GAME_PID=$!
id=$(wait_window)
send_keys "$id" space b
sleep 2
[ -e "$wav" ] && fail "--no-sound opened the audio device"
send_keys "$id" m
for _ in $(seq 1 30); do [ -s "$wav" ] && break; sleep 0.1; done
[ -s "$wav" ] || fail "M did not open the audio device after --no-sound"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS with --no-sound"

# The headless runner plays whole matches to their final whistle without
# ever opening the audio device.
rm -f "$wav"
"$BUILD_DIR/skorvane-sim" --seed 3 --matches 2 >"$E2E_WORK/sim.out" 2>&1 || fail "headless matches failed"
[ -e "$wav" ] && fail "the headless runner opened the audio device"

# No device at all: the game says so once, plays and ends normally.
printf '[general]\ndrivers = no-such-output\n' >"$conf"
start_game
id=$(wait_window)
send_keys "$id" space b
sleep 4
send_keys "$id" m m
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended without a sound device"
send_keys "$id" q
wait_game
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS without a sound device"
[ "$(grep -c 'No audio device' "$GAME_OUT")" = 1 ] || fail "'No audio device' not said exactly once"
grep -Eq '^count=[0-9]+ ' "$GAME_OUT" || fail "no statistics line without a sound device"
echo "PASS"
