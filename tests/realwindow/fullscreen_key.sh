#!/usr/bin/env bash
# F11 switches the game between full screen and an 800x600 window, and back,
# on a 1280x1024 display with a window manager, in the middle of play: the
# picture is letterboxed in both, and the thought in the band stays the line
# it was (the key is never one the game acts on, and the game goes on).
# Then in the pause menu: its Full screen item switches the window, and the
# row lit stays lit under a pointer that did not move (the picture moved under
# it), so Return switches it back; after F11 with the menu open the item says
# what the window is, so Return on it switches the window again.
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/openbox.bash"

xvfb_start 1280x1024x24
openbox_start

# The full-screen picture, 1280x960 between two bars of 32 rows, brought back
# to the game's 800x600 (a sample in the middle of each of its pixels); sets SHOT.
_fullscreen_picture() {
  screenshot "$1" &&
    convert "$SHOT" -crop 1280x960+0+32 +repage -filter point -resize '800x600!' "$SHOT"
}
# _fullscreen_shows <name> <check> [args...]
_fullscreen_shows() { _fullscreen_picture "$1" && "$2" "$SHOT" "${@:3}"; }
# The game's window alone, 800x600; sets SHOT.
_window_shows() {
  SHOT="$SHOTS_DIR/$TEST_NAME-$1.png"
  import -window "$WINDOW_ID" "$SHOT" 2>/dev/null && "$2" "$SHOT" "${@:3}"
}
# The band shows the same line as in the picture $2.
same_line() { band_shown "$1" && ! line_changed "$1" "$2"; }

assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_until 60 "a window covering the 1280x1024 display" window_is 1280x1024
wait_until 60 "title, full screen" _fullscreen_shows title title_shown
xdotool key Return
wait_until 60 "first thought, full screen" _fullscreen_shows full-before band_shown
before=$SHOT
log "full screen, in the game: the first thought in the band"

xdotool key F11
wait_until 60 "800x600 window after F11" window_is 800x600
wait_until 60 "same thought in the 800x600 window" _window_shows windowed same_line "$before"
log "F11: an 800x600 window, the same thought in its band"
read -r window_x window_y < <(xdotool getwindowgeometry "$WINDOW_ID" | sed -n 's/^ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')

xdotool key F11
wait_until 60 "full screen again after F11" window_is 1280x1024
wait_until 60 "same thought, full screen again" _fullscreen_shows full-after same_line "$before"
log "F11 again: full screen, the same thought"

# The pointer rests where the window's Quit row will lie once it is an
# 800x600 window again (the menu's rows are 40 apart from y 190; Quit is the
# seventh), and never moves after.
xdotool mousemove $((window_x + 400)) $((window_y + 450))
xdotool key Escape
xdotool key Down Down Down Down Return
wait_until 60 "800x600 window from the menu" window_is 800x600
xdotool key Return
wait_until 60 "full screen again from the menu, under a pointer that did not move" window_is 1280x1024
log "the menu switched the window and back; the pointer that stayed lit nothing"
xdotool key F11
wait_until 60 "800x600 window after F11 in the menu" window_is 800x600
xdotool key Return
wait_until 60 "full screen from the menu after F11 in it" window_is 1280x1024
log "after F11 in the menu its item switched the window again"
xdotool key Escape

game_terminate_cleanly
log "PASS"
