#!/usr/bin/env bash
# The game installs into a prefix with its meshes, launcher, desktop entry and
# icon, starts from the launcher, and packs into a .deb from the same rules.
source "$(dirname "$0")/lib.sh" "$1"

prefix="$E2E_WORK/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >/dev/null
for f in bin/skorvane libexec/skorvane/skorvane share/skorvane/meshes/timebox.obj share/skorvane/sounds/crowd.wav \
         share/applications/skorvane.desktop share/icons/hicolor/scalable/apps/skorvane.svg; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done

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

# The same rules make a Debian package.
(cd "$BUILD_DIR" && cpack -G DEB -B "$E2E_WORK/package" >/dev/null) || fail "cpack failed"
deb=$(ls "$E2E_WORK"/package/skorvane_*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/skorvane ./usr/libexec/skorvane/skorvane ./usr/share/skorvane/meshes/timebox.obj ./usr/share/skorvane/sounds/crowd.wav; do
    grep -qF "$f" <<<"$contents" || fail "package lacks $f"
done
echo "PASS"
