#!/usr/bin/env bash
# The game installs into a prefix with its meshes, launcher, desktop entry,
# icon, metainfo and manual pages, starts from the launcher, and packs into a
# .deb from the same rules; the installed headless runner finds its meshes.
source "$(dirname "$0")/lib.sh" "$1"

prefix="$E2E_WORK/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
for f in bin/skorvane libexec/skorvane/skorvane share/skorvane/meshes/timebox.obj share/skorvane/sounds/crowd.wav \
         share/applications/skorvane.desktop share/icons/hicolor/scalable/apps/skorvane.svg \
         bin/skorvane-sim share/man/man6/skorvane.6 share/man/man6/skorvane-sim.6; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done

# The software centres' entry is valid, beside the desktop entry it launches.
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli does not take $metainfo"
grep -q '<launchable type="desktop-id">skorvane.desktop</launchable>' "$metainfo" || fail "the metainfo launches no desktop entry"

# Each manual names exactly the options its program's --help lists, and
# reads without a word from the formatter.
for program in libexec/skorvane/skorvane bin/skorvane-sim; do
    page="$prefix/share/man/man6/$(basename "$program").6"
    # The option lines of --help each begin with the option.
    helped=$("$prefix/$program" --help | grep -oE '^ +--[a-z-]+' | tr -d ' ' | sort -u)
    manual=$(sed 's/\\-/-/g' "$page" | grep -oE -- '--[a-z-]+' | sort -u)
    [ "$(wc -l <<<"$helped")" -ge 6 ] || fail "$program --help lists too few options: $helped"
    [ "$helped" = "$manual" ] || fail "$program: --help and the manual disagree: $(diff <(echo "$helped") <(echo "$manual") | tr '\n' ' ')"
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual of $program: $warnings"
done

# The installed runner plays a match from any folder.
(cd "$E2E_WORK" && "$prefix/bin/skorvane-sim" --seed 2 >"$E2E_WORK/sim.out" 2>&1) || fail "the installed skorvane-sim failed: $(cat "$E2E_WORK/sim.out")"
grep -q "ended: Game Over!" "$E2E_WORK/sim.out" || fail "the installed skorvane-sim played no match"

# Start the installed game through its launcher, with a home of its own.
start_xvfb
export HOME="$E2E_WORK/home"
mkdir -p "$HOME"
(exec stdbuf -o0 "$prefix/bin/skorvane" >"$GAME_OUT" 2>&1) &
GAME_PID=$!
id=$(wait_window)
[ -L "$HOME/.local/share/skorvane/meshes" ] || fail "the launcher made no run folder"
close_window "$id"
wait_game
[ "$GAME_STATUS" = 0 ] || fail "installed game ended with status $GAME_STATUS"
grep -Eq '^count=[0-9]+ ' "$GAME_OUT" || fail "no statistics from the installed game"

# The launcher with a stand-in for the game (in this test's own prefix) that
# says where it ran: reached through a link it still finds its prefix, and it
# leaves whatever the user keeps under the name meshes as it was.
printf '#!/bin/sh\npwd\n' >"$prefix/libexec/skorvane/skorvane"
launch() { # home folder, then the launcher's path
    HOME="$E2E_WORK/$1" XDG_DATA_HOME="" "${2:-$prefix/bin/skorvane}" 2>"$E2E_WORK/launch.err"
}
run_of() { echo "$E2E_WORK/$1/.local/share/skorvane"; }

mkdir -p "$E2E_WORK/elsewhere"
ln -s "$prefix/bin/skorvane" "$E2E_WORK/elsewhere/skorvane"
[ "$(launch linked "$E2E_WORK/elsewhere/skorvane")" = "$(run_of linked)" ] || fail "the launcher reached through a link did not start"
[ "$(readlink -f "$(run_of linked)/meshes")" = "$(readlink -f "$prefix/share/skorvane/meshes")" ] ||
    fail "the launcher reached through a link pointed meshes elsewhere"

mkdir -p "$(run_of file)" && echo "my notes" >"$(run_of file)/meshes"
launch file >/dev/null && fail "the launcher started with a plain file named meshes"
[ "$(cat "$(run_of file)/meshes")" = "my notes" ] || fail "the launcher changed the user's file named meshes"
grep -q "meshes" "$E2E_WORK/launch.err" || fail "the launcher did not say why it stopped"

mkdir -p "$(run_of folder)/meshes" && echo "mine" >"$(run_of folder)/meshes/own.txt"
launch folder >/dev/null || fail "the launcher did not start with the user's own meshes folder"
[ "$(ls -A "$(run_of folder)/meshes")" = "own.txt" ] || fail "the launcher wrote into the user's meshes folder"

mkdir -p "$(run_of other)" "$E2E_WORK/custom-meshes" && ln -s "$E2E_WORK/custom-meshes" "$(run_of other)/meshes"
launch other >/dev/null || fail "the launcher did not start with the user's own meshes link"
[ "$(readlink "$(run_of other)/meshes")" = "$E2E_WORK/custom-meshes" ] || fail "the launcher re-pointed the user's link"

mkdir -p "$(run_of stale)" && ln -s "$E2E_WORK/removed-install/meshes" "$(run_of stale)/meshes"
launch stale >/dev/null || fail "the launcher did not start over a link to nothing"
[ "$(readlink -f "$(run_of stale)/meshes")" = "$(readlink -f "$prefix/share/skorvane/meshes")" ] ||
    fail "the launcher left meshes pointing at nothing"

# The same rules make a Debian package.
(cd "$BUILD_DIR" && cpack -G DEB -B "$E2E_WORK/package" >/dev/null) || fail "cpack failed"
deb=$(ls "$E2E_WORK"/package/skorvane_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/skorvane ./usr/libexec/skorvane/skorvane ./usr/share/skorvane/meshes/timebox.obj ./usr/share/skorvane/sounds/crowd.wav \
         ./usr/bin/skorvane-sim ./usr/share/man/man6/skorvane.6 ./usr/share/metainfo/; do
    grep -qF "$f" <<<"$contents" || fail "package lacks $f"
done
echo "PASS"
