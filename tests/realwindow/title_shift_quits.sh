#!/usr/bin/env bash
# Letting go of Shift on the title screen ends the program with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 before-shift not_black

xdotool windowfocus --sync "$WINDOW_ID" 2>/dev/null || true
xdotool key shift
game_wait_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "Shift on the title should quit with status 0, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
log "PASS"
