#!/usr/bin/env bash
# Started from another working directory (a shortcut's, a double-click's), the
# .exe finds the Assets/ beside it, in a folder whose name has a space and a
# letter outside ASCII, and plays. A working directory that has Assets/ of its
# own is read first, as on Linux: with one picture missing there, the game
# stops with status 1 and its one line on stderr, and, as a player who
# double-clicked has no terminal, a message box tells why until it is closed:
# that line, and the missing picture's file (read from Wine's trace of the box).
source "$(dirname "$0")/lib/wine.bash"

folder="$WORK_DIR/Spiele für alle"
unpack_zip "$folder"
exe=$folder/Tarnwick/Tarnwick.exe
elsewhere=$WORK_DIR/elsewhere
mkdir -p "$elsewhere"
xvfb_start
wine_prefix

wine_start "$elsewhere" "$exe"
wait_for_window 120
wait_for_screen 120 title title_shown
shift_on_title_quits
log "started elsewhere, it found the Assets beside it"

cp -r "$folder/Tarnwick/Assets" "$elsewhere/Assets"
rm "$elsewhere/Assets/Sprites/Tip.png"
WINEDEBUG=-all,trace+msgbox wine_start "$elsewhere" "$exe"
# The box is the one small window called Tarnwick (the game's own has gone).
_box_shown() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Tarnwick$' 2>/dev/null); do
    [ "$(xdotool getwindowgeometry "$id" | sed -n 's/^ *Geometry: \([0-9]*\)x.*/\1/p')" -lt 800 ] &&
      WINDOW_ID=$id && return 0
  done
  return 1
}
wait_until 120 "the message box" _box_shown
screenshot box
[ "$(sdl_log_lines | tr -d '\r')" = "INFO: Texture: TipTexture Failed" ] ||
  fail "stderr should hold the one line 'INFO: Texture: TipTexture Failed', not: $(sdl_log_lines)"
game_alive || fail "the game ended before its box was closed"
box='L"Tarnwick could not start:\n\nTexture: TipTexture Failed\n\nThe picture Assets\\Sprites\\Tip.png is missing'
grep -qF "$box" "$GAME_LOG" || fail "the box does not say which picture is missing: $(grep -a 'msgbox' "$GAME_LOG")"
xdotool key --window "$WINDOW_ID" Return
game_wait_exit 60
[ "$GAME_STATUS" -eq 1 ] || fail "a missing picture should end the game with status 1, got $GAME_STATUS"
log "PASS"
