#!/usr/bin/env bash
# Full screen on a bare X server (no window manager, as in a kiosk), where
# nobody answers the game's request for it: the window covers the whole
# 1280x1024 display and the picture is drawn for it, letterboxed and whole;
# F11 gives back an 800x600 window with the whole picture in it, and F11
# again covers the display once more.
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/openbox.bash"  # for window_is; no window manager is started

xvfb_start 1280x1024x24

# The full-screen picture, 1280x960 between two bars of 32 rows, brought back
# to the game's 800x600; sets SHOT.
_fullscreen_shows() {
  screenshot "$1" &&
    convert "$SHOT" -crop 1280x960+0+32 +repage -filter point -resize '800x600!' "$SHOT" && "$2" "$SHOT"
}
# The game's window alone, 800x600; sets SHOT.
_window_shows() {
  SHOT="$SHOTS_DIR/$TEST_NAME-$1.png"
  import -window "$WINDOW_ID" "$SHOT" 2>/dev/null && "$2" "$SHOT"
}
window_at_origin() { xdotool getwindowgeometry "$WINDOW_ID" 2>/dev/null | grep -q 'Position: 0,0 '; }

assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_until 60 "a window covering the 1280x1024 display" window_is 1280x1024
wait_until 10 "the window at the display's corner" window_at_origin
wait_until 60 "the title, whole, on the whole display" _fullscreen_shows full-title title_shown
log "full screen with no window manager: the window covers the display, the title drawn whole"

xdotool key F11
wait_until 60 "an 800x600 window after F11" window_is 800x600
wait_until 60 "the title, whole, in the 800x600 window" _window_shows windowed-title title_shown
log "F11: an 800x600 window, the title whole in it"

xdotool key F11
wait_until 60 "full screen again after F11" window_is 1280x1024
wait_until 60 "the title, whole, on the whole display again" _fullscreen_shows full-again title_shown
log "F11 again: the whole display"

game_terminate_cleanly
log "PASS"
