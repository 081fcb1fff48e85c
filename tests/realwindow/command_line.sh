#!/usr/bin/env bash
# The command line of the real binary: --help prints the usage with the keys
# and exits 0, --version prints the version and exits 0, and anything else
# prints a one-line error naming it, then the usage, on stderr and exits 2.
# None of them opens a window: they run here with no display at all.
source "$(dirname "$0")/lib/xvfb.bash"

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
unset DISPLAY WAYLAND_DISPLAY

# run <args...>: sets OUT, ERR and STATUS.
run() {
  STATUS=0
  "$GAME_BINARY" "$@" >"$WORK_DIR/out" 2>"$WORK_DIR/err" || STATUS=$?
  OUT=$(cat "$WORK_DIR/out")
  ERR=$(cat "$WORK_DIR/err")
}

has_usage() {
  local text=$1 what=$2 word
  grep -q '^Usage: tarnwick' <<<"$text" || fail "$what: no 'Usage: tarnwick' line"
  for word in --windowed --help --version; do
    grep -q -e "$word" <<<"$text" || fail "$what: the usage does not name $word"
  done
}

run --help
[ "$STATUS" -eq 0 ] || fail "--help should exit 0, got $STATUS"
[ -z "$ERR" ] || fail "--help wrote to stderr: $ERR"
has_usage "$OUT" "--help"
# The keys a player needs, as the game's how-to-play tells them.
for key in 'Arrow keys' 'W A S D' 'Return' 'Shift' 'F11' 'gamepad' 'Closing the window'; do
  grep -qF "$key" <<<"$OUT" || fail "--help does not tell the key '$key'"
done
log "--help: usage and keys, status 0"

# The version is the one the package's changelog records.
changelog_version=$(sed -n '1s/^tarnwick (\([^)]*\)).*/\1/p' "$source_dir/packaging/debian/changelog")
[ -n "$changelog_version" ] || fail "no version in the package's changelog"
run --version
[ "$STATUS" -eq 0 ] || fail "--version should exit 0, got $STATUS"
[ "$OUT" = "tarnwick $changelog_version" ] || fail "--version printed '$OUT', not 'tarnwick $changelog_version'"
[ -z "$ERR" ] || fail "--version wrote to stderr: $ERR"
log "--version: $OUT, status 0"

# Help and version win over each other in that order, whatever the order given.
run --version --help
[ "$STATUS" -eq 0 ] && grep -q '^Usage: tarnwick' <<<"$OUT" || fail "--version --help should print the usage"

for args in "--fullscreen" "-h" "-v" "--help=yes" "level2" "--windowed --bogus" "--help -x" ""; do
  # shellcheck disable=SC2086  # each case is a list of words; "" is one empty argument
  if [ -z "$args" ]; then run ""; else run $args; fi
  [ "$STATUS" -eq 2 ] || fail "'$args' should exit 2, got $STATUS"
  [ -z "$OUT" ] || fail "'$args' wrote to stdout: $OUT"
  first=$(head -n 1 <<<"$ERR")
  wrong=${args##* }
  grep -qF -- "'$wrong'" <<<"$first" || fail "'$args': the first line of stderr does not name '$wrong': $first"
  grep -q '^tarnwick: ' <<<"$first" || fail "'$args': the error line does not start with 'tarnwick: ': $first"
  [ "$(sed -n 2p <<<"$ERR" | cut -c1-15)" = "Usage: tarnwick" ] || fail "'$args': the usage does not follow the one error line"
  has_usage "$ERR" "'$args'"
done
log "unknown options and arguments: one line naming them, the usage, status 2"
log "PASS"
