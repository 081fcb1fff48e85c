#!/usr/bin/env bash
# Without any display to open a window on, the game does not play on unseen:
# it ends at once with status 1 and logs nothing.
source "$(dirname "$0")/lib/xvfb.bash"

unset DISPLAY WAYLAND_DISPLAY  # and XDG_RUNTIME_DIR is the test's own: no Wayland socket in it
assets_link_dir
game_start "$RUN_DIR"
game_wait_exit 60
[ "$GAME_STATUS" -eq 1 ] || fail "with no display the game should end with status 1, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
log "PASS"
