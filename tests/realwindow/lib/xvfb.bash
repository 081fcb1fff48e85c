# Shared by the real-window tests: a private virtual X display, the game under
# it, waiting for what the screen or the process shows, and cleanup. Sourced,
# never run on its own.
#
# A test script is called as: bash script.sh <tarnwick> <assets dir> <build dir>
#
# No test waits for a length of time. Every step waits for something it can
# observe (a window, a picture, a change on the screen, the process gone),
# polling until a deadline. Deadlines are generous and multiplied by
# TARNWICK_TEST_SLOWNESS (default 1), which a slow or busy machine may raise;
# a passing run never waits for its deadline.

set -uo pipefail

GAME_BINARY=$(readlink -f "$1")
ASSETS_DIR=$(readlink -f "$2")
BUILD_DIR=$(readlink -f "$3")
TEST_NAME=$(basename "$0" .sh)
SHOTS_DIR="$BUILD_DIR/screenshots"
SPRITES="$ASSETS_DIR/Sprites"
SLOWNESS=${TARNWICK_TEST_SLOWNESS:-1}
mkdir -p "$SHOTS_DIR"

WORK_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-$TEST_NAME.XXXXXX")

# The sound library must not start a sound server of its own for the game:
# such a server outlives the test, and a game waiting for one that is slow to
# come up (on a busy machine, or beside another test's server) shows no window
# for minutes. Without a server the game plays into miniaudio's null device.
# (The audio test runs a private server of its own instead.)
mkdir -p "$WORK_DIR/xdg"
chmod 700 "$WORK_DIR/xdg"
export XDG_RUNTIME_DIR="$WORK_DIR/xdg"
# The game's kept settings (the pause menu's) are a test's own: none of the
# tester's are read, and none are written for them.
export XDG_CONFIG_HOME="$WORK_DIR/config"
echo "autospawn = no" >"$WORK_DIR/pulse-client.conf"
export PULSE_CLIENTCONFIG="$WORK_DIR/pulse-client.conf"
XVFB_PID=""
GAME_PID=""
ENDING_PID=""  # a game that was asked to end, until it has
GAME_STATUS=""
GAME_LOG=""
EXTRA_LOGS=""  # further logs a test keeps, shown when it fails (paths, space-separated)
FAIL_HOOK=""   # a function that reports more when the current step fails
RUN_DIR=""
WINDOW_ID=""
SHOT=""

log() { echo "[$TEST_NAME $(date +%T)] $*"; }

fail() {
  echo "[$TEST_NAME] FAIL: $*" >&2
  if [ -n "$GAME_LOG" ] && [ -s "$GAME_LOG" ]; then
    echo "--- game's stderr ($GAME_LOG) ---" >&2
    grep -v -e '^ALSA lib' -e 'jack' -e 'Jack' -e 'Cannot connect to server' "$GAME_LOG" | tail -n 20 >&2
  fi
  if [ -n "$FAIL_HOOK" ]; then "$FAIL_HOOK"; fi
  local extra
  for extra in $EXTRA_LOGS; do
    [ -s "$extra" ] || continue
    echo "--- $extra ---" >&2
    tail -n 40 "$extra" >&2
  done
  exit 1
}

cleanup() {
  local pid
  for pid in "$GAME_PID" "$ENDING_PID"; do
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      kill -KILL "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
    fi
  done
  if [ -n "$XVFB_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
    kill -TERM "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
  rm -rf "$WORK_DIR"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- Waiting -----------------------------------------------------------------

# A deadline of $1 seconds, scaled for the machine (whole seconds, at least 1).
deadline() {
  awk -v s="$1" -v f="$SLOWNESS" 'BEGIN { d = s * f; printf "%d\n", (d < 1 ? 1 : d + 0.999) }'
}

# The pause between two looks at the screen or the process. Polling only: no
# step of a test depends on how long it is. Not much shorter: while the game
# starts, every look is a client of the X server, and a server too busy
# accepting them can turn the game's own connection away (SDL then draws
# off screen, and no window ever shows).
poll_pause() { sleep 0.2; }

# wait_until <seconds> <what> <command...>: runs the command until it succeeds;
# fails the test, naming <what>, once the (scaled) deadline has passed. While
# the game is meant to run, its ending early fails the test at once.
wait_until() {
  local limit what=$2 start=$SECONDS
  limit=$(deadline "$1")
  shift 2
  while ! "$@"; do
    if [ -n "$GAME_PID" ] && ! game_alive; then
      fail "the game ended while waiting for $what"
    fi
    [ $((SECONDS - start)) -lt "$limit" ] || fail "no $what after ${limit}s"
    poll_pause
  done
}

# wait_for_screen <seconds> <name> <check> [args...]: takes a screenshot named
# <name> until `<check> <screenshot> [args...]` holds; SHOT is the one that did.
wait_for_screen() {
  local seconds=$1 name=$2
  shift 2
  wait_until "$seconds" "$name on the screen" _screen_shows "$name" "$@"
}
_screen_shows() {
  local name=$1
  shift
  screenshot "$name" && "$1" "$SHOT" "${@:2}"
}

# --- The display -------------------------------------------------------------

# Starts Xvfb at the given screen size (800x600x24 by default) and sets DISPLAY.
#
# The display number is a random one well above those a desktop or another
# test takes first: X clients try a display's socket in the abstract namespace
# first, which the whole machine shares (chroots too), so a low number can
# reach another server that holds or is just giving up the same number, and
# the game then finds no X server of its own (SDL falls back to drawing off
# screen, and no window ever shows).
xvfb_start() {
  local screen=${1:-800x600x24} attempt number
  for attempt in 1 2 3 4 5; do
    number=$(_free_display_number)
    : >"$WORK_DIR/display"
    # shellcheck disable=SC2086  # XVFB_OPTIONS: server options a test adds, one word each
    Xvfb ":$number" -displayfd 3 -screen 0 "$screen" -nolisten tcp ${XVFB_OPTIONS:-} 3>"$WORK_DIR/display" \
      >"$WORK_DIR/xvfb.log" 2>&1 &
    XVFB_PID=$!
    if _xvfb_wait_ready; then
      export DISPLAY=":$number"
      EXTRA_LOGS="$EXTRA_LOGS $WORK_DIR/xvfb.log"
      log "Xvfb is up on $DISPLAY"
      return 0
    fi
    wait "$XVFB_PID" 2>/dev/null  # another server took the number first: try another
  done
  cat "$WORK_DIR/xvfb.log" >&2
  fail "Xvfb did not start"
}
_free_display_number() {
  local number
  while :; do
    number=$((100 + RANDOM % 900))
    [ -e "/tmp/.X$number-lock" ] && continue
    grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix 2>/dev/null && continue
    echo "$number"
    return
  done
}
# Xvfb writes its display number once it accepts clients.
_xvfb_wait_ready() {
  local start=$SECONDS limit
  limit=$(deadline 30)
  until grep -q '^[0-9]\+$' "$WORK_DIR/display"; do
    kill -0 "$XVFB_PID" 2>/dev/null || return 1
    [ $((SECONDS - start)) -lt "$limit" ] || fail "Xvfb did not start within ${limit}s"
    poll_pause
  done
}

# --- The game ----------------------------------------------------------------

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

# game_start <dir> [command prefix...]: starts the game in the background from
# the given working directory, under the prefix if one is given (valgrind, say);
# its stderr (where SDL logs) goes to GAME_LOG.
game_start() {
  local dir=$1
  shift
  GAME_LOG="$WORK_DIR/game-$(date +%s%N).log"
  GAME_STATUS=""
  (cd "$dir" && exec "$@" "$GAME_BINARY") >"$WORK_DIR/game.out" 2>"$GAME_LOG" &
  GAME_PID=$!
}

game_alive() { [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; }

# Waits up to $1 (scaled) seconds for the game to end; sets GAME_STATUS.
game_wait_exit() {
  local pid=$GAME_PID
  # The game is meant to end now: wait_until must not take that for a failure.
  # Should it not, the cleanup still ends it (ENDING_PID).
  GAME_PID=""
  ENDING_PID=$pid
  wait_until "$1" "end of the game" _pid_gone "$pid"
  ENDING_PID=""
  wait "$pid"
  GAME_STATUS=$?
  log "the game ended with status $GAME_STATUS"
}
_pid_gone() { ! kill -0 "$1" 2>/dev/null; }

# Waits up to $1 (scaled) seconds for the game's window to be mapped; sets WINDOW_ID.
wait_for_window() {
  FAIL_HOOK=_report_windows
  wait_until "$1" "Tarnwick window" _window_mapped
  FAIL_HOOK=""
  log "the game's window is $WINDOW_ID"
}
_window_mapped() {
  WINDOW_ID=$(xdotool search --onlyvisible --name '^Tarnwick$' 2>/dev/null | head -n 1)
  [ -n "$WINDOW_ID" ]
}
# What the display holds instead, when the window never showed.
_report_windows() {
  echo "--- the windows on $DISPLAY ---" >&2
  xwininfo -root -tree 2>&1 | head -n 20 >&2
}

# The lines of SDL's log in the game's stderr (SDL starts each with its
# priority); libraries' own chatter, such as the sound system's on a machine
# without a sound card, is not part of it.
sdl_log_lines() {
  grep -E '^(VERBOSE|DEBUG|INFO|WARN|ERROR|CRITICAL): ' "$GAME_LOG" || true
}

# Ends the running game with SIGTERM and checks that it quits cleanly: status
# 0 and nothing logged.
game_terminate_cleanly() {
  kill -TERM "$GAME_PID" || fail "could not signal the game"
  game_wait_exit 30
  [ "$GAME_STATUS" -eq 0 ] || fail "SIGTERM should end the game with status 0, got $GAME_STATUS"
  [ -z "$(sdl_log_lines)" ] || fail "the game logged: $(sdl_log_lines)"
}

# --- Keys ----------------------------------------------------------------------

# Holds a key down for $2 seconds of wall-clock time: a gesture of the player,
# whose length the test chooses (how far a walk goes), not a wait for the machine.
# The game's time never runs ahead of the clock on the wall (a frame counts at
# most the time that passed), so a hold never walks further than its length.
hold_key() {
  xdotool keydown "$1" sleep "$2" keyup "$1"
}

source "$(dirname "${BASH_SOURCE[0]}")/screen.bash"
