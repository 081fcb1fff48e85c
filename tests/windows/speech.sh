#!/usr/bin/env bash
# Tarnwick.exe with --speech under Wine, whatever Wine's SAPI does with it
# (speaks, fails, or is missing): the game starts, shows the title, goes on
# into the bedroom on Return while it speaks, and closes with status 0. At
# most one line says the voice failed, and nothing crashed.
source "$(dirname "$0")/lib/wine.bash"

unpack_zip "$WORK_DIR/unpacked"
game=$WORK_DIR/unpacked/Tarnwick
xvfb_start
wine_prefix

wine_start "$game" "$game/Tarnwick.exe" --speech
wait_for_window 120
wait_for_screen 120 title title_shown
xdotool key --window "$WINDOW_ID" Return
wait_for_screen 120 bedroom band_shown
xdotool key --window "$WINDOW_ID" Return
wait_for_screen 120 next-line line_changed "$SHOT"
"$BUILD_DIR/tarnwick_close_window" "$WINDOW_ID" || fail "could not close the window"
game_wait_exit 60
[ "$GAME_STATUS" -eq 0 ] || fail "closing the window should end the game with status 0, got $GAME_STATUS"

said=$(unix_text "$GAME_LOG" | grep '^tarnwick: ' || true)
[ "$(grep -c . <<<"$said")" -le 1 ] || fail "more than one line about the voice: $said"
[ -z "$said" ] || grep -q "Windows' speech" <<<"$said" || fail "the game complained of something else: $said"
! grep -qi 'unhandled\|page fault\|exception' "$GAME_LOG" || fail "something crashed: $(grep -i 'unhandled\|page fault\|exception' "$GAME_LOG")"
[ -n "$said" ] || said="no line about the voice: SAPI took every text"
log "PASS ($said)"
