#!/usr/bin/env bash
# Every thought that speaks of something in the scene, on the real screen: the
# real game, with its window, renderer and generated pictures, is played
# through by the test harness's player (input only, on a quick clock), which
# stops on each such line; a screenshot of it is saved in
# <build>/screenshots/ (thoughts_in_view-thought-<line>-<thing>.png) for
# review, and must show the line in its band. Every such line must come.
source "$(dirname "$0")/lib/xvfb.bash"

TOOL="$BUILD_DIR/tarnwick_show_thoughts"
[ -x "$TOOL" ] || fail "missing $TOOL"
EXPECTED=37  # the lines that point at something (the generator's table of them)

xvfb_start
assets_link_dir
mkfifo "$WORK_DIR/to-game" "$WORK_DIR/from-game" || fail "mkfifo failed"
GAME_LOG="$WORK_DIR/game.log"
(cd "$RUN_DIR" && exec "$TOOL") <"$WORK_DIR/to-game" >"$WORK_DIR/from-game" 2>"$GAME_LOG" &
GAME_PID=$!
exec 3>"$WORK_DIR/to-game" 4<"$WORK_DIR/from-game"

taken=0
finished=""
# Each read waits for the game to reach its next such line: a deadline, not a pause.
while read -r -u 4 -t "$(deadline 300)" word line thing; do
  case $word in
    thought)
      screenshot "thought-$line-$thing"
      band_shown "$SHOT" || fail "line $line ($thing): no line on the screen in $SHOT"
      taken=$((taken + 1))
      echo go >&3
      ;;
    done)
      finished="status $line, $thing lines shown"
      break
      ;;
  esac
done
exec 3>&-
[ -n "$finished" ] || fail "the play stopped after $taken lines"
log "the play ended ($finished); $taken screenshots in $SHOTS_DIR"
[ "$taken" -eq "$EXPECTED" ] || fail "$taken lines that speak of something were shown, expected $EXPECTED"
game_wait_exit 60
[ "$GAME_STATUS" -eq 0 ] || fail "the game ended with status $GAME_STATUS"
log "PASS"
