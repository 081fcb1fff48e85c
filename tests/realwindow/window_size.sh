#!/usr/bin/env bash
# The window as a player gets it, on a 1280x1024 display with a window manager
# (openbox: without one a "full screen" window simply stays as it was made).
# By default the window covers the whole display and the 800x600 picture is
# letterboxed: 1280x960 in the middle, with black bars of 32 rows above and
# below. With --windowed it is an ordinary 800x600 window; resized to
# 1000x600, the picture keeps its shape with black bars left and right.
source "$(dirname "$0")/lib/xvfb.bash"
source "$(dirname "$0")/lib/openbox.bash"

xvfb_start 1280x1024x24
openbox_start

# The brightest value inside a part (WxH+X+Y) of a picture.
brightest_in() { convert "$1" -crop "$2" +repage -format '%[fx:int(255*maxima)]' info:; }

# _letterboxed <target> <name> <bars> <edges>: a screenshot of the target (a
# window, or root) shows black in every bar and the picture reaching each
# edge strip; sets SHOT.
_letterboxed() {
  local target=$1 part
  SHOT="$SHOTS_DIR/$TEST_NAME-$2.png"
  import -window "$target" "$SHOT" 2>/dev/null || return 1
  for part in $3; do [ "$(brightest_in "$SHOT" "$part")" -eq 0 ] || return 1; done
  for part in $4; do [ "$(brightest_in "$SHOT" "$part")" -gt 0 ] || return 1; done
}

# A screenshot of the game's window alone shows the title picture; sets SHOT.
_window_shows_title() {
  SHOT="$SHOTS_DIR/$TEST_NAME-$1.png"
  import -window "$WINDOW_ID" "$SHOT" 2>/dev/null && title_shown "$SHOT"
}

quit_with_shift() {
  xdotool key --window "$WINDOW_ID" shift
  game_wait_exit 30
  [ "$GAME_STATUS" -eq 0 ] || fail "Shift on the title should quit with status 0, got $GAME_STATUS"
}

assets_link_dir

# Full screen: the window takes the display, the picture 1280x960 between two bars.
game_start "$RUN_DIR"
wait_for_window 60
wait_until 60 "a window covering the 1280x1024 display" window_is 1280x1024
wait_until 60 "the picture letterboxed on the display" _letterboxed root fullscreen \
  "1280x32+0+0 1280x32+0+992" "1280x8+0+32 1280x8+0+984 8x960+0+32 8x960+1272+32"
log "full screen: the window covers the display; black bars above and below the picture"
quit_with_shift

# Windowed: 800x600, the picture filling it; then resized, bars left and right.
windowed="$WORK_DIR/windowed"
printf '#!/bin/sh\nexec "%s" --windowed\n' "$GAME_BINARY" >"$windowed"
chmod +x "$windowed"
GAME_BINARY=$windowed
game_start "$RUN_DIR"
wait_for_window 60
wait_until 60 "an 800x600 window" window_is 800x600
# Still 800x600 once the title has come out of the intro: nothing made it full screen.
wait_until 60 "the title in the window" _window_shows_title windowed
window_is 800x600 || fail "the --windowed window did not stay 800x600"
log "windowed: an 800x600 window showing the whole picture"
xdotool windowsize "$WINDOW_ID" 1000 600
wait_until 60 "the window resized to 1000x600" window_is 1000x600
wait_until 60 "the picture letterboxed in the resized window" _letterboxed "$WINDOW_ID" resized \
  "100x600+0+0 100x600+900+0" "8x600+100+0 8x600+892+0"
log "resized to 1000x600: black bars left and right of the picture"
quit_with_shift
log "PASS"
