#!/usr/bin/env bash
# A picture that cannot be loaded stops the game before the title: one log line
# naming the first such picture in catalog order, nothing else on stderr, and
# exit status 1. An empty file and a file in another format count as missing.
# The captions' letters are read only with --captions, and then count the same.
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_start

# expect_failure <expected texture name> <description> [command prefix...],
# with RUN_DIR prepared.
expect_failure() {
  local expected="Texture: $1 Failed" description=$2
  log "$description"
  game_start "$RUN_DIR" "${@:3}"
  game_wait_exit 30
  [ "$GAME_STATUS" -eq 1 ] || fail "$description: exit status $GAME_STATUS, expected 1"
  local lines
  lines=$(sdl_log_lines)
  [ "$(printf '%s\n' "$lines" | grep -c .)" -eq 1 ] ||
    fail "$description: expected exactly one log line, got: ${lines:-none}"
  [[ "$lines" == *": $expected" ]] || fail "$description: logged '$lines', expected '$expected'"
  # Nothing else is said either (the picture decoder included), apart from
  # the sound libraries on a machine without a sound card.
  local said
  said=$(grep -v -e '^ALSA lib' -e 'jack' -e 'Jack' -e '^Cannot connect to server' "$GAME_LOG" || true)
  [ "$said" = "$lines" ] || fail "$description: the game's stderr holds more than its log line: $said"
  rm -rf "$RUN_DIR"
}

sprites() { echo "$RUN_DIR/Assets/Sprites"; }

assets_copy_dir
rm "$(sprites)/Tip.png"
expect_failure TipTexture "Tip.png missing"

assets_copy_dir
rm "$(sprites)/Cursor.png" "$(sprites)/Tip.png"
expect_failure CursorTexture "Cursor.png and Tip.png missing: only the first is named"

assets_copy_dir
rm "$(sprites)/Animations/CarAnimTwo/0003.png"
expect_failure CarDriveTwoThreeTexture "an animation frame missing is named in words"

assets_copy_dir
: >"$(sprites)/Tip.png"
expect_failure TipTexture "Tip.png empty"

assets_copy_dir
echo "this is not a picture" >"$(sprites)/Tip.png"
expect_failure TipTexture "Tip.png holding text"

assets_copy_dir
convert -size 16x16 xc:red "BMP:$(sprites)/Tip.png" || fail "could not write a BMP"
expect_failure TipTexture "Tip.png holding a BMP picture: only PNG is read"

assets_copy_dir
rm "$(sprites)/Captions.png"
# The prefix runs the game with the option after it.
expect_failure CaptionsTexture "Captions.png missing, with --captions" bash -c 'exec "$0" --captions'

RUN_DIR="$WORK_DIR/no-assets"
mkdir -p "$RUN_DIR"
expect_failure HouseBedRoomBedTexture "started where there is no Assets folder"

log "PASS"
