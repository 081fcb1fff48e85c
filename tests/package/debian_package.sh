#!/usr/bin/env bash
# The Debian package, built from this build tree by scripts/package: its
# control fields and file list, lintian, the AppStream and desktop validators
# and the manual page; then its contents unpacked into a scratch root and the
# game started from there under a virtual display, reaching its title, and
# quit with Shift, status 0.
#   bash debian_package.sh <tarnwick> <assets dir> <build dir>
source "$(dirname "$0")/../realwindow/lib/xvfb.bash"

source_dir=$(cd "$(dirname "$0")/../.." && pwd)

TARNWICK_BUILD_DIR="$BUILD_DIR" "$source_dir/scripts/package" >"$WORK_DIR/package.log" 2>&1 ||
  { cat "$WORK_DIR/package.log" >&2; fail "scripts/package failed"; }
deb=$(tail -n 1 "$WORK_DIR/package.log")
arch=$(dpkg --print-architecture)
version=$(sed -n '1s/^tarnwick (\([^)]*\)).*/\1/p' "$source_dir/packaging/debian/changelog")
[ "$deb" = "$BUILD_DIR/tarnwick_${version}_${arch}.deb" ] || fail "the package is $deb, not tarnwick_${version}_${arch}.deb in the build tree"
[ -f "$deb" ] || fail "no package at $deb"

# --- control fields
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarnwick ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the changelog says $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -q 'horror' <<<"$(field Description)" || fail "the description does not say what the game is"
depends=$(field Depends)
log "Depends: $depends"
# The libraries the game links, each as a versioned dependency; and not the
# image library, which the game does not use.
for lib in libc6 libsdl2-2.0-0 libpng16-16 libstdc++6 libspeechd2 libdbus-1-3; do
  tr ',' '\n' <<<"$depends" | sed 's/^ *//' | grep -qF "$lib (>= " || fail "Depends lacks a versioned $lib: $depends"
done
grep -q 'libsdl2-image' <<<"$depends" && fail "Depends names SDL2_image, which the game does not link"
ldd "$GAME_BINARY" | grep -q 'libSDL2_image' && fail "the game links SDL2_image"
# The voice needs the speech service running, with a synthesiser: recommended,
# so that a player who wants no voice can leave them out.
[ "$(field Recommends)" = "speech-dispatcher, speech-dispatcher-espeak-ng" ] ||
  fail "Recommends is '$(field Recommends)', not the speech service and its voice"
size=$(field Installed-Size)
unpacked_kb=$(dpkg-deb --fsys-tarfile "$deb" | tar -t -v | awk '{ k += int(($3 + 1023) / 1024) } END { print k }')
[ "$size" -ge "$unpacked_kb" ] && [ "$size" -le $((unpacked_kb + 64)) ] ||
  fail "Installed-Size $size does not match the files' $unpacked_kb kB"

# --- file list
# "<mode> <path>" a line; paths may hold spaces (the jumpscare's folder does).
dpkg-deb -c "$deb" | sed -E 's|^([^ ]+) +[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ +\./(.*)$|\1 \2|' >"$WORK_DIR/list"
mode_of() { awk -v f="$1" '{ m = $1; sub(/^[^ ]+ /, "") } $0 == f { print m }' "$WORK_DIR/list"; }
[ "$(mode_of usr/games/tarnwick)" = "-rwxr-xr-x" ] || fail "no executable /usr/games/tarnwick"
[ "$(mode_of usr/lib/games/tarnwick/tarnwick)" = "-rwxr-xr-x" ] || fail "no executable game under /usr/lib/games/tarnwick"
for f in usr/share/applications/tarnwick.desktop usr/share/man/man6/tarnwick.6.gz \
  usr/share/doc/tarnwick/copyright usr/share/doc/tarnwick/changelog.gz \
  usr/share/icons/hicolor/64x64/apps/tarnwick.png usr/share/icons/hicolor/128x128/apps/tarnwick.png; do
  [ "$(mode_of "$f")" = "-rw-r--r--" ] || fail "no $f (mode 644) in the package"
done
metainfo=$(sed -n 's|^-[^ ]* \(usr/share/metainfo/.*\.metainfo\.xml\)$|\1|p' "$WORK_DIR/list")
[ -n "$metainfo" ] || fail "no AppStream metainfo under /usr/share/metainfo"
# The 110 pictures, and the captions' letters beside them.
[ "$(grep -c '^-.* usr/share/games/tarnwick/Assets/Sprites/.*\.png$' "$WORK_DIR/list")" -eq 111 ] || fail "not 110 pictures and the captions'"
grep -q '^-.* usr/share/games/tarnwick/Assets/Sprites/Captions\.png$' "$WORK_DIR/list" || fail "no captions' letters"
[ "$(grep -c '^-.* usr/share/games/tarnwick/Assets/Audio/.*\.mp3$' "$WORK_DIR/list")" -eq 46 ] || fail "not 46 sounds"
grep -v -e ' usr/' -e ' $' "$WORK_DIR/list" && fail "files outside /usr"
grep -q '\.generated' "$WORK_DIR/list" && fail "the build's stamp file is in the package"
log "control fields and file list"

# --- lintian: no errors and no warnings (info tags are listed)
lintian --allow-root --display-info "$deb" >"$WORK_DIR/lintian.log" 2>&1
lintian_status=$?
grep -v '^N:' "$WORK_DIR/lintian.log" | sed 's/^/    /'
grep -E '^[EW]: ' "$WORK_DIR/lintian.log" && fail "lintian reports errors or warnings"
[ "$lintian_status" -eq 0 ] || fail "lintian exited with $lintian_status"
log "lintian: no errors, no warnings"

# --- the unpacked tree: validators and the manual page
scratch="$WORK_DIR/scratch root"
dpkg-deb -x "$deb" "$scratch" || fail "dpkg-deb -x failed"
dpkg-deb -e "$deb" "$WORK_DIR/control" || fail "dpkg-deb -e failed"
bash "$source_dir/tests/package/lib/machine_free.sh" "$source_dir" "$BUILD_DIR" "the Debian package" "$scratch" \
  "$WORK_DIR/control" || fail "the package holds something of the machine that built it"
appstreamcli validate --no-net "$scratch/$metainfo" >"$WORK_DIR/appstream.log" 2>&1 ||
  { cat "$WORK_DIR/appstream.log" >&2; fail "appstreamcli does not accept the metainfo"; }
for tag in '<content_rating type="oars-1.1">' '<screenshot' '<launchable type="desktop-id">tarnwick.desktop</launchable>'; do
  grep -qF "$tag" "$scratch/$metainfo" || fail "the metainfo lacks $tag"
done
# The rating warns of the horror (a creature hunts the player; appstreamcli does
# not judge the values, so this does), and the description of the jump scares.
fright=$(sed -n 's|.*<content_attribute id="violence-fantasy">\([a-z]*\)</content_attribute>.*|\1|p' "$scratch/$metainfo")
case "$fright" in mild | moderate | intense) ;; *) fail "the content rating gives violence-fantasy '$fright'" ;; esac
grep -q 'jump scares' "$scratch/$metainfo" || fail "the metainfo does not warn of the jump scares"
desktop-file-validate "$scratch/usr/share/applications/tarnwick.desktop" || fail "desktop-file-validate refuses the desktop entry"
man_text=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$scratch/usr/share/man/man6/tarnwick.6.gz" 2>"$WORK_DIR/man.err")
[ -s "$WORK_DIR/man.err" ] && { cat "$WORK_DIR/man.err" >&2; fail "the manual page has warnings"; }
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES 'EXIT STATUS'; do
  grep -q "^$heading" <<<"$man_text" || fail "the manual page has no $heading section"
done
for option in --windowed --help --version; do grep -q -e "$option" <<<"$man_text" || fail "the manual page does not tell $option"; done
grep -qF -- '-h, --help' <<<"$man_text" || fail "the manual page does not give -h as the short form of --help"
grep -qF "tarnwick $version" <<<"$man_text" || fail "the manual page is not for version $version"
zcat "$scratch/usr/share/doc/tarnwick/changelog.gz" | head -n 1 | grep -qF "tarnwick ($version)" || fail "the changelog does not start with $version"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$scratch/usr/share/doc/tarnwick/copyright" || fail "the copyright file is not machine-readable"
log "metainfo, desktop entry, manual page, changelog and copyright"

# --- the same package from another source folder and another build folder
other="$WORK_DIR/elsewhere entirely"
mkdir -p "$other/source" "$other/build"
cp -r "$source_dir/scripts" "$source_dir/packaging" "$other/source/"
cp -r "$BUILD_DIR/tarnwick" "$BUILD_DIR/Assets" "$BUILD_DIR/icons" "$other/build/"
TARNWICK_BUILD_DIR="$other/build" "$other/source/scripts/package" >"$WORK_DIR/again.log" 2>&1 ||
  { cat "$WORK_DIR/again.log" >&2; fail "scripts/package from another folder failed"; }
cmp -s "$deb" "$(tail -n 1 "$WORK_DIR/again.log")" || fail "the same build packed in another folder gives other bytes"
log "the same bytes packed in another folder"

# --- the game from the unpacked tree, through its launcher, from elsewhere
xvfb_start
GAME_BINARY="$scratch/usr/games/tarnwick"
elsewhere="$WORK_DIR/elsewhere"
mkdir -p "$elsewhere"
game_start "$elsewhere"
wait_for_window 60
wait_for_screen 60 package-title title_shown
xdotool key --window "$WINDOW_ID" shift
game_wait_exit 30
[ "$GAME_STATUS" -eq 0 ] || fail "Shift on the title should quit with status 0, got $GAME_STATUS"
[ -z "$(sdl_log_lines)" ] || fail "the packaged game logged: $(sdl_log_lines)"
log "PASS"
