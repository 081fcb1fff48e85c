#!/usr/bin/env bash
# Letting go of Shift on the title screen ends the program with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 20
wait_for_picture 20 before-shift

sleep 1
game_alive || fail "the game ended on its own on the title screen"
xdotool windowfocus --sync "$WINDOW_ID" 2>/dev/null || true
xdotool key shift
game_wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "Shift on the title should quit with status 0, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
log "PASS"
