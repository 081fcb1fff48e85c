#!/usr/bin/env bash
# A short real run under valgrind's memcheck: the title, into the game, a few
# lines read, then a quit. No memory may be definitely lost by the game's own
# code (libraries outside the repository, such as the X and GL drivers, keep
# memory of their own until exit and are not the game's to free).
#
# The game draws with SDL's software renderer here: under valgrind the OpenGL
# driver's just-in-time compiled shaders make every frame and the exit many
# times slower (about 89 s to exit against 22 s), and what is checked is the
# game's own memory, which is the same whichever renderer draws.
source "$(dirname "$0")/lib/xvfb.bash"

command -v valgrind >/dev/null || fail "valgrind is not installed"
SOURCE_ROOT=$(cd "$(dirname "$0")/../.." && pwd)

xvfb_start
assets_link_dir
export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0
EXTRA_LOGS="$WORK_DIR/memcheck.txt $WORK_DIR/game.out"
# Under valgrind the X server now and then hangs up on the game's first
# connection before it has sent a byte (seen only on busy machines, never
# without valgrind); the game then ends with status 1 before any window, as it
# must without a display. Such a start is tried again, twice at most.
_window_or_gone() { _window_mapped || ! kill -0 "$1" 2>/dev/null; }
for attempt in 1 2 3; do
  game_start "$RUN_DIR" valgrind --leak-check=full --show-leak-kinds=definite --num-callers=40 \
    --fullpath-after= --error-exitcode=0 --log-file="$WORK_DIR/memcheck.txt"
  pid=$GAME_PID
  GAME_PID=""  # an early end is looked at below, not a failure of the wait
  FAIL_HOOK=_report_windows
  wait_until 300 "Tarnwick window" _window_or_gone "$pid"
  FAIL_HOOK=""
  GAME_PID=$pid
  [ -n "$WINDOW_ID" ] && break
  game_wait_exit 60
  [ "$GAME_STATUS" -eq 1 ] || fail "the game ended with status $GAME_STATUS before its window"
  [ "$attempt" -lt 3 ] || fail "three starts under valgrind reached no X server"
  log "the game under valgrind reached no X server: starting it again"
done
log "the game's window is $WINDOW_ID"
wait_for_screen 300 start not_black
# Valgrind runs the game many times slower, and its clock with it: wait for
# the intro to go, then for the game's first line after Return.
wait_for_screen 300 title title_shown
log "the title is up"
xdotool key Return
wait_for_screen 300 game band_shown
for i in 1 2 3; do
  before=$SHOT
  xdotool key Return
  wait_for_screen 300 "line-$i" line_changed "$before"
done
log "three lines read"

kill -TERM "$GAME_PID"
game_wait_exit 300
[ "$GAME_STATUS" -eq 0 ] || fail "the game ended with status $GAME_STATUS under valgrind"

summary=$(grep -E 'definitely lost:' "$WORK_DIR/memcheck.txt" | tail -n 1)
log "valgrind: ${summary:-no leak summary}"
cp "$WORK_DIR/memcheck.txt" "$BUILD_DIR/memcheck.txt"
# Each definite leak is a block of lines ending in a blank line. It is the
# game's own when the code that asked for the memory is ours: the first frame
# after the allocator, looking through the standard library's templates, lies
# in our source tree. (Every stack passes through main; a driver's memory
# allocated under a call of ours is the driver's.)
ours=$(awk -v root="$SOURCE_ROOT/" '
  /definitely lost in loss record/ { inblock = 1; block = $0; caller = ""; next }
  inblock && /^==[0-9]+== *$/ { if (caller ~ root "(src|tools)/") print block; inblock = 0; next }
  inblock {
    block = block "\n" $0
    if (caller == "" && $0 ~ / by 0x/ && $0 !~ /\/usr\/include\/c\+\+\//) caller = $0
  }' "$WORK_DIR/memcheck.txt")
[ -z "$ours" ] || fail "memory definitely lost by the game's code:
$ours"
grep -q 'ERROR SUMMARY' "$WORK_DIR/memcheck.txt" || fail "valgrind did not finish its report"
log "PASS"
