# A private PulseAudio server for a real-window test: pulse_start starts it
# (one null sink, "tarnwick", as the default), and the game started after it
# plays into it through miniaudio's PulseAudio backend, as on a desktop.
# The test's own cleanup ends it: kill "$PULSE_PID".
PULSE_PID=""
PULSE_DIR="$WORK_DIR/pulse"

# A sound server of our own: its own home, runtime folder and socket, one
# null sink named "tarnwick", no other outputs and no autospawning.
pulse_start() {
  mkdir -p "$PULSE_DIR/home" "$PULSE_DIR/runtime" "$PULSE_DIR/xdg"
  chmod 700 "$PULSE_DIR/runtime" "$PULSE_DIR/xdg"
  export HOME="$PULSE_DIR/home" XDG_RUNTIME_DIR="$PULSE_DIR/xdg" PULSE_RUNTIME_PATH="$PULSE_DIR/runtime"
  export PULSE_SERVER="unix:$PULSE_DIR/runtime/native"
  # The client library must not start a server of its own behind our back.
  mkdir -p "$HOME/.config/pulse"
  echo "autospawn = no" >"$HOME/.config/pulse/client.conf"
  pulseaudio --daemonize=no --system=false --exit-idle-time=-1 -n --use-pid-file=no \
    --disable-shm=yes --log-target=stderr \
    --load="module-null-sink sink_name=tarnwick rate=44100" \
    --load="module-native-protocol-unix socket=$PULSE_DIR/runtime/native auth-anonymous=1" \
    >"$PULSE_DIR/server.log" 2>&1 &
  PULSE_PID=$!
  wait_until 60 "PulseAudio server" _pulse_ready
  log "PulseAudio is up at $PULSE_SERVER"
  pactl set-default-sink tarnwick || fail "could not make the null sink the default"
}
_pulse_ready() {
  if ! kill -0 "$PULSE_PID" 2>/dev/null; then
    cat "$PULSE_DIR/server.log" >&2
    fail "PulseAudio did not start"
  fi
  pactl info >/dev/null 2>&1
}

