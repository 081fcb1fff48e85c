#!/usr/bin/env bash
# Return, once the intro has gone, fades the title away into the game. In the
# game a Shift key does nothing (it quits only on the closing screen), and a
# SIGTERM still ends it with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 20
wait_for_picture 20 start

# The intro is up for 3.5 s and fades in under 2; a Return before that is
# ignored, one during the fade to the game changes nothing.
sleep 6
screenshot title
title=$SHOT
for i in 1 2 3; do
  xdotool key Return
  sleep 1
done
# Darkening, lifting onto the tip and its one-second hold take under 5 s.
sleep 9
game_alive || fail "the game ended after Return on the title"
screenshot game
differing=$(pixels_differing "$title" "$SHOT")
log "$differing pixels changed between the title and the game"
[ "${differing:-0}" -gt 1000 ] || fail "the screen still shows the title"
[ "$(brightest_value "$SHOT")" -gt 0 ] || fail "the game shows a black screen"

xdotool key shift
sleep 2
game_alive || fail "Shift ended the game before the closing screen"

kill -TERM "$GAME_PID"
game_wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "SIGTERM should end the game with status 0, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
log "PASS"
