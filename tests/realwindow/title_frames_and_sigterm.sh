#!/usr/bin/env bash
# The game opens its window on the title screen and keeps presenting frames
# (the intro picture fades off the title picture), and a SIGTERM ends it
# through the window system's quit with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 intro not_black
intro=$SHOT

# The intro stays up for 3.5 s of the game's time, then fades: the screen
# changes only if frames go on being presented.
wait_for_screen 60 title differs_from "$intro" 1000
log "$(pixels_differing "$intro" "$SHOT") pixels changed between the intro and a later frame"

game_terminate_cleanly
log "PASS"
