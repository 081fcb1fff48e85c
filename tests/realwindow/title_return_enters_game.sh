#!/usr/bin/env bash
# Return, once the intro has gone, fades the title away into the game; Returns
# during that fade change nothing. In the game a Shift key does nothing (it
# quits only on the closing screen), and a SIGTERM still ends it with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 start not_black

# A Return is heard only once the intro has begun to fade; wait until it has gone.
wait_for_screen 60 title title_shown
title=$SHOT
xdotool key Return Return Return
# Darkening, lifting onto the tip and its one-second hold, then the bedroom
# with its first thought.
wait_for_screen 60 game band_shown
log "$(pixels_differing "$title" "$SHOT") pixels changed between the title and the game"
first_line=$SHOT

# Shift goes through the same queue as Return, one event a frame: if Shift
# ended the game, the Return after it would never move the line on.
xdotool key shift Return
wait_for_screen 60 after-shift line_changed "$first_line"

game_terminate_cleanly
log "PASS"
