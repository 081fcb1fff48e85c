# Reading the virtual screen back: screenshots, and checks on them that the
# real-window tests poll with wait_for_screen. Sourced by xvfb.bash.
#
# Every check takes the screenshot's path first and succeeds when the screen
# shows what it names.

# Saves the whole virtual screen as <build>/screenshots/<test>-<name>.png and
# sets SHOT to its path.
screenshot() {
  SHOT="$SHOTS_DIR/$TEST_NAME-$1.png"
  import -window root "$SHOT" 2>/dev/null || fail "could not take screenshot $1"
}

# Number of pixels that differ between two pictures.
pixels_differing() {
  compare -metric AE "$1" "$2" null: 2>&1 >/dev/null | awk '{print int($1)}'
}

# Number of pixels that differ clearly (by more than 15 %) between two pictures.
pixels_clearly_differing() {
  compare -fuzz 15% -metric AE "$1" "$2" null: 2>&1 >/dev/null | awk '{print int($1)}'
}

# The brightest channel value anywhere in a picture (0 for an all-black one).
brightest_value() {
  convert "$1" -format '%[fx:int(255*maxima)]' info:
}

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

# --- Checks -------------------------------------------------------------------

# Anything but black: the first frame drawn once the pictures are loaded.
not_black() { [ "$(brightest_value "$1")" -gt 0 ]; }

# More than $3 pixels differ from the picture $2 (the screen has moved on).
differs_from() { [ "$(pixels_differing "$1" "$2")" -gt "$3" ]; }

# The whole screen is the picture $2 (under the scanlines), within a small error.
shows_picture() {
  local error
  error=$(differs_from_picture "$1" "$2" 800x600+0+0) || exit 1
  awk -v e="$error" 'BEGIN { exit !(e < 0.06) }'
}

# The title picture alone: the intro has faded off it.
title_shown() { shows_picture "$1" "$SPRITES/TitleScreen.png"; }

# The tip picture the title lifts onto before the game begins.
tip_shown() { shows_picture "$1" "$SPRITES/Tip.png"; }

# The prompt picture $2 stands at the top centre of the screen.
prompt_shown() {
  local error
  error=$(differs_from_picture "$1" "$2" 180x60+320+20) || exit 1
  awk -v e="$error" 'BEGIN { exit !(e < 0.05) }'
}

# The grey band over the lower quarter, with light letters on its text row.
# The band is dark grey at 200 of 255 over whatever lies behind it, so it is
# never black (the title's dark ground there is) and never light.
band_shown() {
  local band row
  band=$(region_mean "$1" 800x30+0+455) || exit 1
  row=$(convert "$1" -crop 380x15+0+500 +repage -colorspace Gray -format '%[fx:maxima]' info:)
  awk -v b="$band" -v r="$row" 'BEGIN { exit !(b > 0.12 && b < 0.35 && r > 0.6) }'
}
band_gone() { ! band_shown "$1"; }

# The band's text row shows other letters than in the screenshot $2: the line
# has moved on (or the band has gone).
line_changed() { region_differs "$1" "$2" 800x40+0+490 50; }

# More than $4 pixels of the region $3 (WxH+X+Y) differ clearly from the
# screenshot $2.
region_differs() {
  convert "$1" -crop "$3" +repage "$WORK_DIR/region-now.png"
  convert "$2" -crop "$3" +repage "$WORK_DIR/region-before.png"
  [ "$(pixels_clearly_differing "$WORK_DIR/region-now.png" "$WORK_DIR/region-before.png")" -gt "$4" ]
}

# Another place than in the screenshot $2, fully lit: a fade has carried the
# player into the next scene and lifted.
new_scene_shown() {
  local lit
  lit=$(region_mean "$1" 800x440+0+0) || exit 1
  [ "$(pixels_clearly_differing "$1" "$2")" -gt 100000 ] &&
    awk -v now="$lit" -v was="$(region_mean "$2" 800x440+0+0)" 'BEGIN { exit !(now > was / 2) }'
}
