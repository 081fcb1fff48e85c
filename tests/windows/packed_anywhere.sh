#!/usr/bin/env bash
# The zip and the installer packed again from another source folder and
# another build folder are the same bytes: nothing of where they were made
# goes into them.
source "$(dirname "$0")/lib/wine.bash"

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
other="$WORK_DIR/elsewhere entirely"
mkdir -p "$other/source" "$other/build/windows" "$other/build/tools/usage"
cp -r "$source_dir/scripts" "$source_dir/packaging" "$source_dir/windows" "$source_dir/README.md" "$other/source/"
cp -r "$BUILD_DIR/Assets" "$other/build/"
cp "$BUILD_DIR/windows/Tarnwick.exe" "$BUILD_DIR/windows/Tarnwick.ico" "$other/build/windows/"
cp "$BUILD_DIR/tools/usage/tarnwick_usage" "$other/build/tools/usage/"
(
  cd "$other/source" || exit 1
  for lib in apt build web windows; do source "scripts/lib/$lib.bash"; done
  tarnwick_package_windows "$other/source" "$other/build"
) >"$WORK_DIR/package.log" 2>&1 || { cat "$WORK_DIR/package.log" >&2; fail "packing from another folder failed"; }
cmp -s "$ZIP" "$other/build/$(basename "$ZIP")" || fail "the zip packed in another folder differs"
cmp -s "$SETUP" "$other/build/$(basename "$SETUP")" || fail "the installer packed in another folder differs"
log "PASS: the zip and the installer are the same bytes packed elsewhere"
