#!/usr/bin/env bash
# Closing the window while the title holds on the tip picture (after Return
# and the fade) ends the program with status 0, without the game starting.
source "$(dirname "$0")/lib/xvfb.bash"

CLOSE_WINDOW="$BUILD_DIR/tarnwick_close_window"
[ -x "$CLOSE_WINDOW" ] || fail "missing $CLOSE_WINDOW"

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 start not_black
wait_for_screen 60 title title_shown

xdotool key Return
# About 1.7 s to black, 1.7 s back onto the tip, which then stays for 1 s.
wait_for_screen 60 tip tip_shown
"$CLOSE_WINDOW" "$WINDOW_ID" || fail "could not ask the window to close"
game_wait_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "closing the window should end the game with status 0, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
log "PASS"
