#!/usr/bin/env bash
# The pause menu on the real game, and the settings it keeps: Escape opens the
# menu over the game; a change is written at once to
# $XDG_CONFIG_HOME/tarnwick/settings.conf (and nothing before a change); the
# next run starts with it (captions kept on need their letters like
# --captions does); a damaged file gives one line on stderr, the defaults for
# what it lacks, and is not rewritten; a folder that cannot be written gives
# one line and the game goes on; the command line wins over the file, both
# ways; Quit in the menu ends the game with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start
settings="$XDG_CONFIG_HOME/tarnwick/settings.conf"

# The menu's panel, edged in grey, stands in the middle of the screen.
menu_shown() { [ "$(convert "$1" -format '%[pixel:p{139,300}]' info:)" = "srgb(96,96,104)" ]; }
press() {
  xdotool windowfocus --sync "$WINDOW_ID" 2>/dev/null || true
  xdotool key "$@"
}
said() { grep -v -e '^ALSA lib' -e 'jack' -e 'Jack' -e '^Cannot connect to server' "$GAME_LOG" || true; }
# game_with [args...]: the game from RUN_DIR, given the arguments.
game_with() {
  # shellcheck disable=SC2016  # the game's path comes last, after the arguments
  game_start "$RUN_DIR" bash -c 'exec "${@: -1}" "${@:1:$#-1}"' game "$@"
}
# start_on_title [args...]: the game, from RUN_DIR, up to its first frame.
start_on_title() {
  game_with "$@"
  wait_for_window 60
  wait_for_screen 60 "title-$RUN" not_black
}
# quit_from_menu: Escape, Up (round from Resume to Quit), Return; status 0.
quit_from_menu() {
  press Escape
  wait_for_screen 30 "menu-$RUN" menu_shown
  press Up Return
  game_wait_exit 30
  [ "$GAME_STATUS" -eq 0 ] || fail "run $RUN: Quit in the menu ended with status $GAME_STATUS"
}
# expect_missing_letters [args...]: the game needs the captions' letters, which are gone.
expect_missing_letters() {
  game_with "$@"
  game_wait_exit 60
  [ "$GAME_STATUS" -eq 1 ] && [[ "$(sdl_log_lines)" == *"Texture: CaptionsTexture Failed" ]] ||
    fail "run $RUN: captions should be on, needing their letters: status $GAME_STATUS, log $(sdl_log_lines)"
}

RUN=1
log "a first run: nothing is written before a change; captions on and the volume down are kept at once"
assets_link_dir
start_on_title
press Escape
wait_for_screen 30 menu menu_shown
[ ! -e "$settings" ] || fail "opening the menu wrote the settings"
press Down Return
wait_until 30 "captions kept" grep -qsx 'captions = on' "$settings"
press Down Down Left
wait_until 30 "the volume kept" grep -qsx 'volume = 90' "$settings"
wait_for_screen 30 menu-changed menu_shown
press Down Down Down Return  # full screen, speech, Quit
game_wait_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "Quit in the menu ended with status $GAME_STATUS"
grep -qx 'full-screen = on' "$settings" && grep -qx 'reduce-flashing = off' "$settings" ||
  fail "what the player did not change is not kept as it was: $(cat "$settings")"
[ -z "$(said)" ] || fail "a clean run said: $(said)"

RUN=2
log "the next run starts with the kept captions: without their letters it cannot start"
assets_copy_dir
rm "$RUN_DIR/Assets/Sprites/Captions.png"
expect_missing_letters
log "--no-captions wins over the kept captions: the run needs no letters"
start_on_title --no-captions
press shift
game_wait_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "--no-captions over kept captions: Shift on the title ended with status $GAME_STATUS"

RUN=3
log "damaged files: one line, the defaults for the rest, never rewritten"
letterless=$RUN_DIR
assets_link_dir
for damage in text noise; do
  case $damage in
    text) printf 'captions = maybe\nvolume = 250\nbrightness = 3\nreduce-flashing = on\nfull-scr' >"$settings" ;;
    noise) head -c 200000 /dev/urandom >"$settings" ;;
  esac
  cp "$settings" "$WORK_DIR/before"
  start_on_title
  quit_from_menu
  lines=$(said)
  [ "$(grep -c . <<<"$lines")" -eq 1 ] && grep -q "^tarnwick: the settings in $settings: " <<<"$lines" ||
    fail "$damage: the game should say one line of the damaged settings, said: $lines"
  cmp -s "$settings" "$WORK_DIR/before" || fail "$damage: the damaged file was rewritten without a change"
  RUN=$((RUN + 1))
done

log "the command line wins for its run: --captions over a file that turns them off"
printf 'captions = off\n' >"$settings"
RUN_DIR=$letterless
expect_missing_letters --captions

RUN=$((RUN + 1))
log "a settings folder that cannot be written: one line, and the game goes on"
touch "$WORK_DIR/not-a-folder"
export XDG_CONFIG_HOME="$WORK_DIR/not-a-folder"
assets_link_dir
start_on_title
press Escape
wait_for_screen 30 "menu-$RUN" menu_shown
press Down Down Down Left
wait_until 30 "a line saying the settings were not kept" grep -q '^tarnwick: the settings could not be kept in' "$GAME_LOG"
press Up Up Up Up Return
game_wait_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "Quit after a failed keep ended with status $GAME_STATUS"
[ "$(said | grep -c .)" -eq 1 ] || fail "more than one line: $(said)"
log "PASS"
