#!/usr/bin/env bash
# The window as a player gets it, on a 1280x1024 display with a window manager
# (openbox: without one a "full screen" window simply stays as it was made).
# By default the window covers the whole display and the 800x600 picture is
# letterboxed: 1280x960 in the middle, with black bars of 32 rows above and
# below. With --windowed it is an ordinary 800x600 window; resized to
# 1000x600, the picture keeps its shape with black bars left and right.
source "$(dirname "$0")/lib/xvfb.bash"

slowness=${TARNWICK_TEST_SLOWNESS:-1}
deadline() { echo $(($1 * slowness)); }

XVFB_SCREEN=1280x1024x24 xvfb_start
openbox --sm-disable >"$WORK_DIR/openbox.log" 2>&1 &
OPENBOX_PID=$!
trap 'kill "$OPENBOX_PID" 2>/dev/null; wait "$OPENBOX_PID" 2>/dev/null; cleanup' EXIT
for i in $(seq 1 $(($(deadline 30) * 10))); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$OPENBOX_PID" 2>/dev/null || { cat "$WORK_DIR/openbox.log" >&2; fail "openbox ended"; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not take the display"
log "openbox manages the display"

# Waits until the game's window is WxH; fails after the deadline.
wait_for_size() {
  local want=$1 seconds=$2 i size=""
  for i in $(seq 1 $((seconds * 10))); do
    size=$(xdotool getwindowgeometry "$WINDOW_ID" 2>/dev/null | sed -n 's/^ *Geometry: //p')
    [ "$size" = "$want" ] && { log "the window is $size"; return 0; }
    game_alive || fail "the game ended while its window was $size"
    sleep 0.1
  done
  fail "the window stayed $size, not $want, for ${seconds}s"
}

# brightest <picture> <geometry WxH+X+Y>: the brightest value inside that part.
brightest() { convert "$1" -crop "$2" +repage -format '%[fx:int(255*maxima)]' info:; }

# Waits until a screenshot of the window (or the whole screen) shows black
# exactly in the bars and the picture between them. Each bar and the picture
# are given as crop geometries; the picture must reach both of its edges.
wait_for_letterbox() {
  local name=$1 seconds=$2 target=$3 bars=$4 edges=$5 i ok bar
  for i in $(seq 1 $((seconds * 4))); do
    SHOT="$SHOTS_DIR/$TEST_NAME-$name.png"
    import -window "$target" "$SHOT" 2>/dev/null || { sleep 0.25; continue; }
    ok=yes
    for bar in $bars; do [ "$(brightest "$SHOT" "$bar")" -eq 0 ] || ok=no; done
    for bar in $edges; do [ "$(brightest "$SHOT" "$bar")" -gt 0 ] || ok=no; done
    [ "$ok" = yes ] && { log "$name: black bars at $bars, the picture at $edges"; return 0; }
    game_alive || fail "the game ended before drawing $name"
    sleep 0.25
  done
  fail "$name: no letterboxed picture after ${seconds}s (last: $SHOT)"
}

assets_link_dir

# Full screen: the window takes the display, the picture 1280x960 between two bars.
game_start "$RUN_DIR"
wait_for_window "$(deadline 20)"
wait_for_size 1280x1024 "$(deadline 20)"
wait_for_letterbox fullscreen "$(deadline 30)" root \
  "1280x32+0+0 1280x32+0+992" "1280x8+0+32 1280x8+0+984 8x960+0+32 8x960+1272+32"
xdotool key --window "$WINDOW_ID" shift
game_wait_exit "$(deadline 10)"
[ "$GAME_STATUS" -eq 0 ] || fail "Shift on the title should quit with status 0, got $GAME_STATUS"

# Windowed: 800x600, the picture filling it; then resized, bars left and right.
GAME_BINARY_PLAIN=$GAME_BINARY
GAME_BINARY="$WORK_DIR/windowed"
printf '#!/bin/sh\nexec "%s" --windowed\n' "$GAME_BINARY_PLAIN" >"$GAME_BINARY"
chmod +x "$GAME_BINARY"
game_start "$RUN_DIR"
wait_for_window "$(deadline 20)"
wait_for_size 800x600 "$(deadline 20)"
wait_for_letterbox windowed "$(deadline 30)" "$WINDOW_ID" "" "800x8+0+0 800x8+0+592 8x600+0+0 8x600+792+0"
# Still 800x600 a while later: nothing makes it full screen behind our back.
sleep 1  # the game's own start-up has ended; give a late switch a chance to show
wait_for_size 800x600 1
xdotool windowsize "$WINDOW_ID" 1000 600
wait_for_size 1000x600 "$(deadline 20)"
wait_for_letterbox resized "$(deadline 30)" "$WINDOW_ID" "100x600+0+0 100x600+900+0" "8x600+100+0 8x600+892+0"
xdotool key --window "$WINDOW_ID" shift
game_wait_exit "$(deadline 10)"
[ "$GAME_STATUS" -eq 0 ] || fail "Shift on the title should quit with status 0, got $GAME_STATUS"
log "PASS"
