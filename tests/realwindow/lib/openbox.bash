# A window manager on the test's display, for the tests where the window's
# size matters: without one a "full screen" window simply stays as it was made.
# Sourced after xvfb.bash, once the display is up.

# Starts openbox and waits until it manages windows. Now and then, with many
# X servers starting side by side, openbox's first connection is refused
# although the display answers other clients (seen once in about thirty
# suite runs): then it is started again, up to three times, and says so.
openbox_start() {
  wait_until 30 "the display answering" xdpyinfo
  EXTRA_LOGS="$EXTRA_LOGS $WORK_DIR/openbox.log"
  trap 'kill "$OPENBOX_PID" 2>/dev/null; wait "$OPENBOX_PID" 2>/dev/null; cleanup' EXIT
  OPENBOX_STARTS=0
  _openbox_launch
  wait_until 30 "openbox managing the display" _openbox_ready
  log "openbox manages the display"
}
_openbox_launch() {
  OPENBOX_STARTS=$((OPENBOX_STARTS + 1))
  openbox --sm-disable >"$WORK_DIR/openbox.log" 2>&1 &
  OPENBOX_PID=$!
}
# Openbox names itself on the root window early in its start-up and its theme
# later, once it has loaded it, just before it begins to manage windows.
_openbox_ready() {
  if ! kill -0 "$OPENBOX_PID" 2>/dev/null; then
    if grep -q 'Failed to open the display' "$WORK_DIR/openbox.log" && [ "$OPENBOX_STARTS" -lt 3 ]; then
      log "openbox could not open the display that answers xdpyinfo: starting it again"
      _openbox_launch
      return 1
    fi
    cat "$WORK_DIR/openbox.log" >&2
    fail "openbox ended"
  fi
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
    xprop -root _OB_THEME 2>/dev/null | grep -q '='
}

# The game's window is WxH.
window_is() { [ "$(xdotool getwindowgeometry "$WINDOW_ID" 2>/dev/null | sed -n 's/^ *Geometry: //p')" = "$1" ]; }
