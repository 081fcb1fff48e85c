# Shared by the real-window tests: a private virtual X display, the game under
# it, screenshots and cleanup. Sourced, never run on its own.
#
# A test script is called as: bash script.sh <tarnwick> <assets dir> <build dir>

set -uo pipefail

GAME_BINARY=$(readlink -f "$1")
ASSETS_DIR=$(readlink -f "$2")
BUILD_DIR=$(readlink -f "$3")
TEST_NAME=$(basename "$0" .sh)
SHOTS_DIR="$BUILD_DIR/screenshots"
mkdir -p "$SHOTS_DIR"

WORK_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-$TEST_NAME.XXXXXX")
XVFB_PID=""
GAME_PID=""
GAME_STATUS=""
GAME_LOG=""
RUN_DIR=""
WINDOW_ID=""
SHOT=""

log() { echo "[$TEST_NAME] $*"; }

fail() {
  echo "[$TEST_NAME] FAIL: $*" >&2
  if [ -n "$GAME_LOG" ] && [ -s "$GAME_LOG" ]; then
    echo "--- game's stderr ($GAME_LOG) ---" >&2
    grep -v -e '^ALSA lib' -e 'jack' -e 'Jack' -e 'Cannot connect to server' "$GAME_LOG" | tail -n 20 >&2
  fi
  exit 1
}

cleanup() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill -KILL "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
  fi
  if [ -n "$XVFB_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
    kill -TERM "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
  rm -rf "$WORK_DIR"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Starts Xvfb at 800x600x24 on a display number of its own choosing and sets DISPLAY.
xvfb_start() {
  local numberFile="$WORK_DIR/display"
  : >"$numberFile"
  # shellcheck disable=SC2086  # XVFB_OPTIONS is a list of options a test adds
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp ${XVFB_OPTIONS:-} 3>"$numberFile" \
    >"$WORK_DIR/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$numberFile" ] && grep -q '^[0-9]\+$' "$numberFile"; then
      export DISPLAY=":$(head -n 1 "$numberFile")"
      log "Xvfb is up on $DISPLAY"
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$WORK_DIR/xvfb.log" >&2
  fail "Xvfb did not start"
}

# The helpers below report through globals (RUN_DIR, WINDOW_ID, SHOT) rather
# than output, so that a failure inside them ends the test itself.

# Sets RUN_DIR to a working directory whose Assets/ is the built assets, untouched.
assets_link_dir() {
  RUN_DIR="$WORK_DIR/run-linked"
  mkdir -p "$RUN_DIR"
  ln -sfn "$ASSETS_DIR" "$RUN_DIR/Assets"
}

# Sets RUN_DIR to a working directory holding a private copy of the assets,
# free to be broken.
assets_copy_dir() {
  RUN_DIR=$(mktemp -d "$WORK_DIR/run-copy.XXXXXX") || fail "mktemp failed"
  cp -r "$ASSETS_DIR" "$RUN_DIR/Assets" || fail "could not copy $ASSETS_DIR"
}

# Starts the game in the background from the given working directory; its
# stderr (where SDL logs) goes to GAME_LOG.
game_start() {
  local dir=$1
  GAME_LOG="$WORK_DIR/game-$(date +%s%N).log"
  GAME_STATUS=""
  (cd "$dir" && exec "$GAME_BINARY") >"$WORK_DIR/game.out" 2>"$GAME_LOG" &
  GAME_PID=$!
}

game_alive() { [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; }

# Waits up to $1 seconds for the game to end; sets GAME_STATUS. Fails the test
# if it is still running then.
game_wait_exit() {
  local timeout=$1 waited=0
  while game_alive; do
    if [ "$waited" -ge "$((timeout * 10))" ]; then
      fail "the game was still running after ${timeout}s"
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$GAME_PID"
  GAME_STATUS=$?
  GAME_PID=""
  log "the game ended with status $GAME_STATUS"
}

# Waits up to $1 seconds for the game's window to be mapped; sets WINDOW_ID.
wait_for_window() {
  local timeout=$1 i
  WINDOW_ID=""
  for i in $(seq 1 $((timeout * 10))); do
    WINDOW_ID=$(xdotool search --onlyvisible --name '^Tarnwick$' 2>/dev/null | head -n 1)
    if [ -n "$WINDOW_ID" ]; then
      log "the game's window is $WINDOW_ID"
      return 0
    fi
    game_alive || fail "the game ended before its window appeared"
    sleep 0.1
  done
  fail "no Tarnwick window after ${timeout}s"
}

# Saves the whole virtual screen as <build>/screenshots/<test>-<name>.png and
# sets SHOT to its path.
screenshot() {
  SHOT="$SHOTS_DIR/$TEST_NAME-$1.png"
  import -window root "$SHOT" || fail "could not take screenshot $1"
}

# Number of pixels that differ between two pictures.
pixels_differing() {
  compare -metric AE "$1" "$2" null: 2>&1 >/dev/null | awk '{print int($1)}'
}

# The brightest channel value anywhere in a picture (0 for an all-black one).
brightest_value() {
  convert "$1" -format '%[fx:int(255*maxima)]' info:
}

# The lines of SDL's log in the game's stderr (SDL starts each with its
# priority); libraries' own chatter, such as the sound system's on a machine
# without a sound card, is not part of it.
sdl_log_lines() {
  grep -E '^(VERBOSE|DEBUG|INFO|WARN|ERROR|CRITICAL): ' "$GAME_LOG" || true
}

# Waits up to $1 seconds for the screen to show something other than black
# (the first frame drawn once the pictures are loaded); sets SHOT to it.
wait_for_picture() {
  local timeout=$1 name=$2 i
  for i in $(seq 1 $((timeout * 4))); do
    screenshot "$name"
    if [ "$(brightest_value "$SHOT")" -gt 0 ]; then return 0; fi
    game_alive || fail "the game ended before drawing anything"
    sleep 0.25
  done
  fail "the screen stayed black for ${timeout}s"
}
