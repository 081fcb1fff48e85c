#!/usr/bin/env bash
# Without any sound file the game still starts and runs, silently; a SIGTERM
# still ends it with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_copy_dir
find "$RUN_DIR/Assets" -name '*.mp3' -delete
[ -z "$(find "$RUN_DIR/Assets" -name '*.mp3')" ] || fail "could not remove the sounds"

game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 silent not_black
first=$SHOT
# Frames go on: the intro fades off the title.
wait_for_screen 60 silent-later differs_from "$first" 1000

game_terminate_cleanly
log "PASS"
