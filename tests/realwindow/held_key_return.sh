#!/usr/bin/env bash
# A held key never holds up Return. The game runs on one core at the lowest
# priority beside three busy loops on that core, so it draws fewer frames a
# second than a held key repeats; on the first line the player holds Right for
# ten seconds (the key auto-repeating all the while), lets go and presses
# Return: the next line must be on screen within a second. The text row is
# read back from the screen.
source "$(dirname "$0")/lib/xvfb.bash"

# How long the line may take to change (scaled like every deadline), and how
# long we watch for it at most, to tell how late it was.
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
game_start "$RUN_DIR" taskset -c "$CORE" nice -n 19
wait_for_window 90
wait_for_screen 90 01-title title_shown
xdotool key Return
wait_for_screen 90 02-first-line band_shown
first_line=$SHOT
log "the first line is on screen"

# The loops run in a session of their own, as another program on a busy
# machine would: the scheduler shares the core between sessions first, so the
# game still draws some fifteen frames a second instead of none at all.
setsid bash -c 'for i in 1 2 3; do taskset -c "$1" nice -n -10 yes >/dev/null & done; wait' busy "$CORE" &
BUSY_GROUP=$!
log "three busy loops on core $CORE beside the game"

# The ten seconds are the player's gesture, not a wait for the machine: the
# key auto-repeats for all of them.
hold_key Right 10
screenshot 03-after-hold
line_changed "$SHOT" "$first_line" && fail "the line changed while only Right was held"

pressed=$(now_ms)
xdotool key Return
changed=""
while [ $(($(now_ms) - pressed)) -lt $((WATCH_SECONDS * 1000)) ]; do
  game_alive || fail "the game ended after Return"
  dump_screen "$WORK_DIR/now.xwd"
  seen=$(now_ms)
  if line_changed "$WORK_DIR/now.xwd" "$first_line"; then
    changed=$((seen - pressed))
    convert "$WORK_DIR/now.xwd" "$SHOTS_DIR/$TEST_NAME-04-next-line.png"
    break
  fi
done
stop_busy_loops
[ -n "$changed" ] || fail "the line did not change within ${WATCH_SECONDS}s of Return"
log "the line changed ${changed} ms after Return (allowed ${ALLOWED_MS} ms)"
[ "$changed" -le "$ALLOWED_MS" ] || fail "Return was taken ${changed} ms late behind the held key"
band_shown "$SHOTS_DIR/$TEST_NAME-04-next-line.png" || fail "the band is gone: more than one line went by"

game_terminate_cleanly
log "PASS"
