#!/usr/bin/env bash
# The real game played through its first scenes with real key presses, the
# screen read back at known moments: the intro over the title; the bedroom
# with the grey band and the first line on the text row; the band gone after
# three Returns; the Move prompt once the player has walked into the door's
# window; a fade to black into the next room; and the toothbrush game at the
# bathroom sink finished with twenty Returns. The screenshots stay in
# <build>/screenshots/ for review.
source "$(dirname "$0")/lib/xvfb.bash"

SPRITES="$ASSETS_DIR/Sprites"

# Mean brightness (0..1) of a region WxH+X+Y of a picture.
region_mean() {
  local mean
  mean=$(convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:mean]' info:)
  [ -n "$mean" ] || fail "could not read $1"
  echo "$mean"
}

# How far (0..1) a screen region differs from a picture drawn there whole:
# the picture is scaled to the region as the game does (nearest neighbour)
# and the scanlines that lie over every frame are laid over it too.
differs_from_picture() {
  local shot=$1 picture=$2 geometry=$3 size=${3%%+*}
  convert "$shot" -crop "$geometry" +repage -alpha off "$WORK_DIR/got.png"
  convert "$picture" -filter point -resize "${size}!" \
    \( "$SPRITES/Scanlines.png" -crop "$geometry" +repage -channel A -evaluate multiply 0.392 +channel \) \
    -compose over -composite -background black -flatten -alpha off "$WORK_DIR/want.png"
  local error
  error=$(compare -metric MAE "$WORK_DIR/got.png" "$WORK_DIR/want.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
  [ -n "$error" ] || fail "could not compare $shot with $picture"
  echo "$error"
}

# True when the prompt picture stands at the top centre of the screenshot.
prompt_shown() {
  local shot=$1 picture=$2 error
  error=$(differs_from_picture "$shot" "$picture" 180x60+320+20) || exit 1
  log "$(basename "$picture" .png) prompt: error $error"
  awk -v e="$error" 'BEGIN { exit !(e < 0.05) }'
}

# Polls screenshots for up to $1 seconds until `$2 <shot> <args...>` holds.
wait_until() {
  local timeout=$1 check=$2 name=$3 i
  shift 3
  for i in $(seq 1 $((timeout * 4))); do
    screenshot "$name"
    if "$check" "$SHOT" "$@"; then return 0; fi
    game_alive || fail "the game ended while waiting for $name"
    sleep 0.25
  done
  fail "no $name after ${timeout}s"
}

# Holds a key for $2 seconds.
hold_key() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

band_shown() { # a dark band over the lower quarter, with light letters on its text row
  local band row
  band=$(region_mean "$1" 800x30+0+455) || exit 1
  row=$(convert "$1" -crop 380x15+0+500 +repage -colorspace Gray -format '%[fx:maxima]' info:)
  awk -v b="$band" -v r="$row" 'BEGIN { exit !(b < 0.3 && r > 0.6) }'
}

xvfb_start
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 20
wait_for_picture 20 01-intro
intro_error=$(differs_from_picture "$SHOT" "$SPRITES/Intro.png" 800x600+0+0) || exit 1
title_error=$(differs_from_picture "$SHOT" "$SPRITES/TitleScreen.png" 800x600+0+0) || exit 1
log "the first screen: $intro_error from the intro picture, $title_error from the title picture"
awk -v i="$intro_error" -v t="$title_error" 'BEGIN { exit !(i < t) }' || fail "the intro does not cover the title"

sleep 6  # the intro fades away
screenshot 02-title
xdotool key Return
sleep 5.5  # darkening, the tip, and its hold
wait_until 10 band_shown 03-bedroom-first-line
log "the bedroom shows the grey band and the first line"

for i in 1 2 3; do
  xdotool key Return
  sleep 0.4
done
screenshot 04-thoughts-read
band_shown "$SHOT" && fail "the band is still shown after three Returns"
before_walk=$SHOT
prompt_shown "$before_walk" "$SPRITES/Move.png" && fail "the Move prompt shows before walking to the door"

# The bedroom door: the view starts at x -650, the door's window is -450..-300.
hold_key Left 1.1
wait_until 5 prompt_shown 05-move-prompt "$SPRITES/Move.png"

# Out of bed (no fade), then walk right to the bedroom door and through it.
xdotool key Return
sleep 1
screenshot 06-standing-up
hold_key Right 0.9
wait_until 5 prompt_shown 07-bedroom-door "$SPRITES/Move.png"
bedroom=$SHOT
lit=$(region_mean "$bedroom" 800x440+0+0) || exit 1
xdotool key Return
# Raw window dumps are quick enough to catch the quarter second of black.
for i in $(seq -w 1 30); do
  xwd -root -silent >"$WORK_DIR/fade-$i.xwd" || fail "could not dump the screen"
  sleep 0.02
done
darkest=1
for i in $(seq -w 1 30); do
  mean=$(region_mean "$WORK_DIR/fade-$i.xwd" 800x440+0+0) || exit 1
  if awk -v a="$darkest" -v b="$mean" 'BEGIN { exit !(b < a) }'; then
    darkest=$mean
    convert "$WORK_DIR/fade-$i.xwd" "$SHOTS_DIR/$TEST_NAME-08-fade.png"
  fi
done
log "darkest screen during the fade: $darkest (the room was $lit)"
# Black under the faint static and the scanlines.
awk -v d="$darkest" -v l="$lit" 'BEGIN { exit !(d < 0.08 && d < l / 4) }' || fail "no fade to black after Return at the door"
sleep 0.5
screenshot 09-living-room
room_change=$(compare -fuzz 15% -metric AE "$bedroom" "$SHOT" null: 2>&1 | awk '{print int($1)}')
log "$room_change pixels changed from the bedroom to the next room"
[ "${room_change:-0}" -gt 100000 ] || fail "the living room does not look different from the bedroom"

# Living room (door on the left), kitchen and bathroom (doors on the right).
hold_key Left 1.2
wait_until 5 prompt_shown 10-living-room-door "$SPRITES/Move.png"
xdotool key Return
sleep 1
hold_key Right 1.2
wait_until 5 prompt_shown 11-kitchen-door "$SPRITES/Move.png"
xdotool key Return
sleep 1
hold_key Right 0.4
wait_until 5 prompt_shown 12-bathroom-door "$SPRITES/Move.png"
xdotool key Return
sleep 1
wait_until 5 prompt_shown 13-sink "$SPRITES/Use.png"

# Brushing: the Return that starts it, then twenty strokes.
xdotool key Return
sleep 0.5
screenshot 14-brushing
sink=$SHOT
for i in $(seq 1 20); do
  xdotool key Return
  sleep 0.15
done
sleep 0.5
wait_until 5 prompt_shown 15-brushed "$SPRITES/Move.png"
# Where the brush was (it jumps between y 350 and 400), clearly changed pixels only.
convert "$sink" -crop 250x80+400+350 +repage "$WORK_DIR/brush-before.png"
convert "$SHOT" -crop 250x80+400+350 +repage "$WORK_DIR/brush-after.png"
brush_gone=$(compare -fuzz 15% -metric AE "$WORK_DIR/brush-before.png" "$WORK_DIR/brush-after.png" null: 2>&1 | awk '{print int($1)}')
log "$brush_gone pixels changed where the brush was"
[ "${brush_gone:-0}" -gt 1500 ] || fail "the toothbrush is still drawn after twenty strokes"

kill -TERM "$GAME_PID"
game_wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "SIGTERM should end the game with status 0, got $GAME_STATUS"
log "PASS"
