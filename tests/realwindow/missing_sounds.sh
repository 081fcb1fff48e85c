#!/usr/bin/env bash
# Without any sound file the game still starts and runs, silently; a SIGTERM
# still ends it with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_copy_dir
find "$RUN_DIR/Assets" -name '*.mp3' -delete
[ -z "$(find "$RUN_DIR/Assets" -name '*.mp3')" ] || fail "could not remove the sounds"

game_start "$RUN_DIR"
wait_for_window 20
wait_for_picture 20 silent
sleep 4
game_alive || fail "the game ended without its sounds"
screenshot silent-later

kill -TERM "$GAME_PID"
game_wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "SIGTERM should end the game with status 0, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
log "PASS"
