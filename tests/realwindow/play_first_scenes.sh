#!/usr/bin/env bash
# The real game played through its first scenes with real key presses, the
# screen read back at known moments: the intro over the title; the bedroom
# with the grey band and the first line on the text row; the band gone after
# three Returns; the Move prompt once the player has walked into the door's
# window; a fade to black into the next room; and the toothbrush game at the
# bathroom sink finished with twenty Returns. The screenshots stay in
# <build>/screenshots/ for review.
source "$(dirname "$0")/lib/xvfb.bash"

# Walks with short steps of key $1 until the prompt picture $2 shows, taking
# screenshots named $3. A step of a tenth of a second moves the view about 25
# px, less when frames are slow (the game's time never runs ahead of the
# wall's), so no step can carry the view across a door's 150 px window.
walk_to_prompt() {
  local key=$1 picture=$2 name=$3
  wait_until 90 "$name" _step_and_look "$key" "$picture" "$name"
  log "$name: the $(basename "$picture" .png) prompt shows"
}
_step_and_look() {
  hold_key "$1" 0.1
  screenshot "$3"
  prompt_shown "$SHOT" "$2"
}
prompt_gone() { ! prompt_shown "$@"; }

# Return at a door: a fade to black and up again into another place. A small
# watcher looks at the middle of the screen as fast as the X server answers
# while the next room is awaited, quick enough to catch the black, whatever
# the frame rate.
WATCH_DARKNESS="$BUILD_DIR/tarnwick_watch_darkness"
[ -x "$WATCH_DARKNESS" ] || fail "missing $WATCH_DARKNESS"
through_door_with_fade() {
  local name=$1 before=$SHOT lit darkest looks
  lit=$(region_mean "$before" 800x440+0+0) || exit 1
  "$WATCH_DARKNESS" 0 0 800 440 >"$WORK_DIR/darkness" 2>"$WORK_DIR/watching" &
  local watcher=$!
  wait_until 30 "watcher on the screen" grep -q watching "$WORK_DIR/watching"
  xdotool key Return
  wait_for_screen 60 "$name" new_scene_shown "$before"
  kill -TERM "$watcher"
  wait "$watcher"
  read -r darkest looks <"$WORK_DIR/darkness"
  log "$name: darkest screen during the fade $darkest in $looks looks (the room was $lit)"
  # Black under the faint static and the scanlines.
  awk -v d="$darkest" -v l="$lit" 'BEGIN { exit !(d < 0.08 && d < l / 4) }' || fail "no fade to black after Return at $name"
}

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 01-intro not_black
intro_error=$(differs_from_picture "$SHOT" "$SPRITES/Intro.png" 800x600+0+0) || exit 1
title_error=$(differs_from_picture "$SHOT" "$SPRITES/TitleScreen.png" 800x600+0+0) || exit 1
log "the first screen: $intro_error from the intro picture, $title_error from the title picture"
awk -v i="$intro_error" -v t="$title_error" 'BEGIN { exit !(i < t) }' || fail "the intro does not cover the title"

wait_for_screen 60 02-title title_shown
xdotool key Return
# Darkening, the tip and its hold, then the bedroom and its first thought.
wait_for_screen 60 03-bedroom-first-line band_shown
log "the bedroom shows the grey band and the first line"

for i in 1 2 3; do
  before=$SHOT
  xdotool key Return
  wait_for_screen 30 "04-thought-$i" line_changed "$before"
done
band_shown "$SHOT" && fail "the band is still shown after three Returns"
prompt_shown "$SHOT" "$SPRITES/Move.png" && fail "the Move prompt shows before walking to the door"

# Getting out of bed: the view starts at x -650, the window is -450..-300.
walk_to_prompt Left "$SPRITES/Move.png" 05-move-prompt
xdotool key Return
# Out of bed (no fade): the prompt goes while the player stands up.
wait_for_screen 30 06-standing-up prompt_gone "$SPRITES/Move.png"
walk_to_prompt Right "$SPRITES/Move.png" 07-bedroom-door
bedroom=$SHOT
through_door_with_fade 08-living-room
room_change=$(pixels_clearly_differing "$bedroom" "$SHOT")
log "$room_change pixels changed from the bedroom to the next room"

# Living room (door on the left), kitchen and bathroom (doors on the right).
walk_to_prompt Left "$SPRITES/Move.png" 10-living-room-door
through_door_with_fade 11-kitchen
walk_to_prompt Right "$SPRITES/Move.png" 12-kitchen-door
through_door_with_fade 13-bathroom
walk_to_prompt Right "$SPRITES/Move.png" 14-bathroom-door
through_door_with_fade 15-sink
wait_for_screen 30 16-sink prompt_shown "$SPRITES/Use.png"

# Brushing: the Return that starts it, then twenty strokes. The game takes one
# event a frame, so quick presses are spread over frames, never lost.
sink=$SHOT
xdotool key Return
wait_for_screen 30 17-brushing region_differs "$sink" 250x80+400+350 1500
for i in $(seq 1 20); do xdotool key Return; done
wait_for_screen 60 18-brushed prompt_shown "$SPRITES/Move.png"
# Where the brush was (it jumps between y 350 and 400) is the sink again.
region_differs "$SHOT" "$sink" 250x80+400+350 1500 && fail "the toothbrush is still drawn after twenty strokes"

game_terminate_cleanly
log "PASS"
