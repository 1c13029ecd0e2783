#!/usr/bin/env bash
# Hostile files in the real window: a material file naming a JPEG cut before
# its end marker, a folder in place of the material file, a named pipe in
# place of skorvane.ini, of a texture and of a sound, random bytes for
# another sound. The game starts, shows its scene and ends normally when its
# window is closed; the bad sounds stay silent.
source "$(dirname "$0")/lib.sh" "$1"

# A run folder whose meshes/ holds copies of the generated files.
run_folder() {
    local dir="$E2E_WORK/$1"
    mkdir -p "$dir"
    cp -r "$BUILD_DIR/meshes" "$dir/meshes"
    cp -r "$BUILD_DIR/sounds" "$dir/sounds"
    echo "$dir"
}

play_and_close() { # run folder, screenshot name
    start_game "$1"
    local id
    id=$(wait_window)
    sleep 2
    check_scene "$(screenshot "$id" "$2")"
    close_window "$id"
    wait_game
    [ "$GAME_STATUS" = 0 ] || fail "$2: exit status $GAME_STATUS"
    grep -q halting "$GAME_OUT" && fail "$2: the game halted"
    return 0
}

start_xvfb

cut=$(run_folder cut-texture)
printf 'newmtl suit\nKd 1 1 1\nmap_Kd cut.jpg\n' >"$cut/meshes/skater.mtl"
head -c 2000 "$BUILD_DIR/meshes/uni_h5.jpg" >"$cut/meshes/cut.jpg"
play_and_close "$cut" hostile-cut-texture

folder=$(run_folder material-folder)
rm "$folder/meshes/skater.mtl" && mkdir "$folder/meshes/skater.mtl"
play_and_close "$folder" hostile-material-folder

pipes=$(run_folder pipes)
mkfifo "$pipes/skorvane.ini"
rm "$pipes/meshes/floor.jpg" && mkfifo "$pipes/meshes/floor.jpg"
rm "$pipes/sounds/catch.wav" && mkfifo "$pipes/sounds/catch.wav"
head -c 1000 /dev/urandom >"$pipes/sounds/pass.wav"
# OpenAL Soft's file output stands in for a card, so the sounds are loaded.
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$E2E_WORK/pipes.wav" >"$E2E_WORK/alsoft.conf"
ALSOFT_CONF="$E2E_WORK/alsoft.conf" play_and_close "$pipes" hostile-pipes
grep -q 'sound file sounds/catch.wav missing or unreadable' "$GAME_OUT" || fail "a pipe for a sound was not left silent"
grep -q 'sound file sounds/pass.wav missing or unreadable' "$GAME_OUT" || fail "random bytes for a sound were not left silent"
echo "PASS"
