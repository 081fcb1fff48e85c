#!/usr/bin/env bash
# A caption on the real screen: the real game with captions on, played by the
# test harness's player on a quick clock (tarnwick_show_thoughts --captions),
# stops on the first caption shown over the night with a thought in the band.
# The screenshot (<build>/screenshots/captions_shown-night.png) must show
# light letters on the caption's dark box, and the band.
source "$(dirname "$0")/lib/xvfb.bash"

TOOL="$BUILD_DIR/tarnwick_show_thoughts"
[ -x "$TOOL" ] || fail "missing $TOOL"
xvfb_start
assets_link_dir
mkfifo "$WORK_DIR/to-game" "$WORK_DIR/from-game" || fail "mkfifo failed"
GAME_LOG="$WORK_DIR/game.log"
(cd "$RUN_DIR" && exec "$TOOL" --captions) <"$WORK_DIR/to-game" >"$WORK_DIR/from-game" 2>"$GAME_LOG" &
GAME_PID=$!
exec 3>"$WORK_DIR/to-game" 4<"$WORK_DIR/from-game"

# Waits for the game to reach it: a deadline, not a pause.
read -r -u 4 -t "$(deadline 300)" word x y w h && [ "$word" = caption ] || fail "no caption came: $word"
screenshot night
x=${x%.*} y=${y%.*} w=${w%.*} h=${h%.*}
# Above and below the letters the box is dark; on their row there is light.
box=$(region_mean "$SHOT" "$((w - 4))x2+$((x + 2))+$((y + 1))")
letters=$(convert "$SHOT" -crop "$((w - 6))x$((h - 6))+$((x + 3))+$((y + 3))" +repage -colorspace Gray -format '%[fx:maxima]' info:)
awk -v b="$box" -v l="$letters" 'BEGIN { exit !(b < 0.08 && l > 0.6) }' || fail "no light letters on a dark box at ${w}x${h}+$x+$y in $SHOT"
band_shown "$SHOT" || fail "no line in the band in $SHOT"
echo go >&3
exec 3>&-
game_wait_exit 300
[ "$GAME_STATUS" -eq 0 ] || fail "the game ended with status $GAME_STATUS"
log "PASS"
