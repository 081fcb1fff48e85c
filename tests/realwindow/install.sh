#!/usr/bin/env bash
# Installed like a game: `cmake --install` into a prefix gives the launcher on
# the path, the game, its assets, a desktop entry and an icon. The tree is then
# moved elsewhere and the game started through its launcher from a folder with
# no Assets/ in it: it finds its own pictures, shows its window and draws, and
# SIGTERM ends it with status 0.
source "$(dirname "$0")/lib/xvfb.bash"

prefix="$WORK_DIR/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$WORK_DIR/install.log" 2>&1 ||
  { cat "$WORK_DIR/install.log" >&2; fail "cmake --install failed"; }

[ -x "$prefix/bin/tarnwick" ] || fail "no launcher at bin/tarnwick"
[ -x "$prefix/lib/tarnwick/tarnwick" ] || fail "no game at lib/tarnwick/tarnwick"
cmp -s "$prefix/lib/tarnwick/tarnwick" "$GAME_BINARY" || fail "the installed game is not the built one"
# Every picture and sound, and nothing else.
diff <(cd "$ASSETS_DIR" && find . -type f ! -name .generated | sort) \
  <(cd "$prefix/share/tarnwick/Assets" && find . -type f | sort) >"$WORK_DIR/assets.diff" ||
  { cat "$WORK_DIR/assets.diff" >&2; fail "the installed assets differ from the built ones"; }
# The 110 pictures, and the captions' letters beside them.
[ "$(find "$prefix/share/tarnwick/Assets/Sprites" -name '*.png' | wc -l)" -eq 111 ] || fail "not 110 pictures and the captions' installed"
[ -f "$prefix/share/tarnwick/Assets/Sprites/Captions.png" ] || fail "no captions' letters installed"

entry="$prefix/share/applications/tarnwick.desktop"
[ -f "$entry" ] || fail "no desktop entry"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Tarnwick' 'Exec=tarnwick' 'Icon=tarnwick' 'Terminal=false'; do
  grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
done
grep -q '^Categories=.*Game;' "$entry" || fail "the desktop entry is not in the Game category"
for size in 64 128; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/tarnwick.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}" ] || fail "the ${size}x${size} icon is not a PNG of that size"
  [ "$(brightest_value "$icon")" -gt 0 ] || fail "the ${size}x${size} icon is all black"
done
log "installed: launcher, game, assets, desktop entry and icons"

# Nothing in the tree may depend on where it was installed.
moved="$WORK_DIR/moved/somewhere else"
mkdir -p "$(dirname "$moved")"
mv "$prefix" "$moved"
elsewhere="$WORK_DIR/elsewhere"
mkdir -p "$elsewhere"

xvfb_start
GAME_BINARY="$moved/bin/tarnwick"
game_start "$elsewhere"
wait_for_window 60
wait_for_screen 60 installed not_black
first=$SHOT
# It keeps drawing: the intro fades off the title.
wait_for_screen 60 installed-later differs_from "$first" 1000
game_terminate_cleanly
log "PASS"
