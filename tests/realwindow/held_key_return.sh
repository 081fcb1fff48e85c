#!/usr/bin/env bash
# A held key never holds up Return. Once the first line shows, the game is
# moved onto one core at the lowest priority beside three busy loops on that
# core, so it draws fewer frames a second than a held key repeats. The player
# presses Return once as he is (the next line shows after some delay, the
# machine's), then holds Right for ten seconds (the key auto-repeating all the
# while), lets go and presses Return again: that line must follow within a
# second of the first one's delay. (Before, the repeats queued up ahead of
# Return and the line came seconds to minutes late.) The text row is read
# back from the screen.
source "$(dirname "$0")/lib/xvfb.bash"

# How much later than without a held key the line may change (scaled like
# every deadline), and how long we watch for it at most, to tell how late it was.
ALLOWED_MS=$(awk -v s="$SLOWNESS" 'BEGIN { printf "%d", 1000 * s }')
WATCH_SECONDS=$(deadline 120)
CORE=0

BUSY_GROUP=""
stop_busy_loops() {
  if [ -n "$BUSY_GROUP" ]; then
    kill -TERM -- "-$BUSY_GROUP" 2>/dev/null  # the loops' own process group
    wait "$BUSY_GROUP" 2>/dev/null
    BUSY_GROUP=""
  fi
}
trap 'stop_busy_loops; cleanup' EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Dumps the screen to $1 as fast as the X server answers.
dump_screen() { xwd -root -silent >"$1" || fail "could not dump the screen"; }

# A held key repeats 33 times a second after half a second, as a quick
# keyboard's does.
XVFB_OPTIONS="-ardelay 500 -arinterval 30"
xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 90
wait_for_screen 90 01-title title_shown
xdotool key Return
wait_for_screen 90 02-first-line band_shown
first_line=$SHOT
log "the first line is on screen"

# Every thread of the game onto the one core, at the lowest priority.
for task in /proc/"$GAME_PID"/task/*; do
  tid=${task##*/}
  taskset -p -c "$CORE" "$tid" >/dev/null || fail "could not pin thread $tid"
  renice -n 19 -p "$tid" >/dev/null || fail "could not lower thread $tid"
done
# The loops run in a session of their own, as another program on a busy
# machine would: the scheduler shares the core between sessions first, so the
# game still draws some frames a second instead of none at all.
setsid bash -c 'for i in 1 2 3; do taskset -c "$1" nice -n -10 yes >/dev/null & done; wait' busy "$CORE" &
BUSY_GROUP=$!
log "three busy loops on core $CORE beside the game"

# Presses Return and sets DELAY to the milliseconds until the text row differs
# from the screenshot $1; the screen then is saved as $2.
return_delay() {
  local before=$1 name=$2 pressed seen
  pressed=$(now_ms)
  xdotool key Return
  DELAY=""
  while [ $(($(now_ms) - pressed)) -lt $((WATCH_SECONDS * 1000)) ]; do
    game_alive || fail "the game ended after Return"
    dump_screen "$WORK_DIR/now.xwd"
    seen=$(now_ms)
    if line_changed "$WORK_DIR/now.xwd" "$before"; then
      DELAY=$((seen - pressed))
      convert "$WORK_DIR/now.xwd" "$SHOTS_DIR/$TEST_NAME-$name.png"
      SHOT="$SHOTS_DIR/$TEST_NAME-$name.png"
      return
    fi
  done
  fail "the line did not change within ${WATCH_SECONDS}s of Return"
}

return_delay "$first_line" 03-second-line
plain=$DELAY
second_line=$SHOT
log "with no key held, the next line showed ${plain} ms after Return"

# The ten seconds are the player's gesture, not a wait for the machine: the
# key auto-repeats for all of them.
hold_key Right 10
screenshot 04-after-hold
line_changed "$SHOT" "$second_line" && fail "the line changed while only Right was held"

return_delay "$second_line" 05-third-line
held=$DELAY
stop_busy_loops
log "after holding Right, the next line showed ${held} ms after Return (allowed ${plain} + ${ALLOWED_MS} ms)"
[ "$held" -le $((plain + ALLOWED_MS)) ] || fail "Return was taken $((held - plain)) ms later behind the held key"
band_shown "$SHOT" || fail "the band is gone: more than one line went by"

game_terminate_cleanly
log "PASS"
