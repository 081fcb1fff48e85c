#!/usr/bin/env bash
# A short real run under valgrind's memcheck: the title, into the game, a few
# lines read, then a quit. No memory may be definitely lost by the game's own
# code (libraries outside the repository, such as the X and GL drivers, keep
# memory of their own until exit and are not the game's to free).
source "$(dirname "$0")/lib/xvfb.bash"

command -v valgrind >/dev/null || fail "valgrind is not installed"
SOURCE_ROOT=$(cd "$(dirname "$0")/../.." && pwd)

xvfb_start
assets_link_dir
GAME_LOG="$WORK_DIR/valgrind.log"
(cd "$RUN_DIR" && exec valgrind --leak-check=full --show-leak-kinds=definite --num-callers=40 --fullpath-after= \
  --error-exitcode=0 --log-file="$WORK_DIR/memcheck.txt" "$GAME_BINARY") >"$WORK_DIR/game.out" 2>"$GAME_LOG" &
GAME_PID=$!
wait_for_window 180
sleep 20  # valgrind runs the game many times slower: let the intro pass
xdotool key Return
sleep 25
for i in 1 2 3; do
  xdotool key Return
  sleep 3
done
game_alive || fail "the game died under valgrind"
kill -TERM "$GAME_PID"
game_wait_exit 120
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
