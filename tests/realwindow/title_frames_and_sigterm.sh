#!/usr/bin/env bash
# The game opens its window on the title screen and keeps presenting frames
# (the intro picture fades off the title picture), and a SIGTERM ends it
# through the window system's quit with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 20
wait_for_picture 20 intro
intro=$SHOT

# The intro stays up for 3.5 s and takes under 2 s to fade; allow for slow frames.
sleep 8
game_alive || fail "the game ended on its own on the title screen"
screenshot title
title=$SHOT
differing=$(pixels_differing "$intro" "$title")
log "$differing pixels changed between the intro and the title"
[ "${differing:-0}" -gt 1000 ] || fail "the screen did not change in 8 s: frames are not being presented"

kill -TERM "$GAME_PID"
game_wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "SIGTERM should end the game with status 0, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
log "PASS"
