# A window manager on the test's display, for the tests where the window's
# size matters: without one a "full screen" window simply stays as it was made.
# Sourced after xvfb.bash, once the display is up.

# Starts openbox and waits until it manages windows.
openbox_start() {
  openbox --sm-disable >"$WORK_DIR/openbox.log" 2>&1 &
  OPENBOX_PID=$!
  trap 'kill "$OPENBOX_PID" 2>/dev/null; wait "$OPENBOX_PID" 2>/dev/null; cleanup' EXIT
  EXTRA_LOGS="$EXTRA_LOGS $WORK_DIR/openbox.log"
  wait_until 30 "openbox managing the display" _openbox_ready
  log "openbox manages the display"
}
# Openbox names itself on the root window early in its start-up and its theme
# later, once it has loaded it, just before it begins to manage windows.
_openbox_ready() {
  kill -0 "$OPENBOX_PID" 2>/dev/null || { cat "$WORK_DIR/openbox.log" >&2; fail "openbox ended"; }
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
    xprop -root _OB_THEME 2>/dev/null | grep -q '='
}

# The game's window is WxH.
window_is() { [ "$(xdotool getwindowgeometry "$WINDOW_ID" 2>/dev/null | sed -n 's/^ *Geometry: //p')" = "$1" ]; }
