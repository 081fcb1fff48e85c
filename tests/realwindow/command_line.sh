#!/usr/bin/env bash
# The command line of the real binary: --help (or -h) prints the usage with the
# keys and exits 0, --version prints the version and exits 0, and anything else,
# wherever it stands, prints a one-line error naming it and one line pointing
# to --help, on stderr, and exits 2.
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
grep -q -e '-h, --help' <<<"$OUT" || fail "the usage does not give -h as the short form of --help"
# The keys a player needs, as the game's how-to-play tells them.
for key in 'Arrow keys' 'W A S D' 'Return' 'Shift' 'F11' 'gamepad' 'Closing the window'; do
  grep -qF "$key" <<<"$OUT" || fail "--help does not tell the key '$key'"
done
usage=$OUT
log "--help: usage and keys, status 0"

# -h is the common short form, and prints the very same.
run -h
[ "$STATUS" -eq 0 ] || fail "-h should exit 0, got $STATUS"
[ -z "$ERR" ] || fail "-h wrote to stderr: $ERR"
[ "$OUT" = "$usage" ] || fail "-h does not print what --help prints"
log "-h: the same usage, status 0"

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

# A wrong word gets two lines, the usual way: the error naming it, then where
# the usage is. Wherever it stands, also before or after a --help.
for args in "--fullscreen" "-v" "-H" "--nohelp=yes" "level2" "-" "-- --help" "--windowed --bogus" "--help -x" "-x --help" \
  "--bogus -h" "--version --bogus" ""; do
  # shellcheck disable=SC2086  # each case is a list of words; "" is one empty argument
  if [ -z "$args" ]; then run ""; else run $args; fi
  [ "$STATUS" -eq 2 ] || fail "'$args' should exit 2, got $STATUS"
  [ -z "$OUT" ] || fail "'$args' wrote to stdout: $OUT"
  # The first word the game does not know is the one named.
  wrong=""
  ended=no
  for word in $args; do
    [ "$ended" = no ] && [ "$word" = -- ] && { ended=yes; continue; }
    case $ended$word in no--windowed | no--help | no-h | no--version) ;; *) wrong=$word; break ;; esac
  done
  [ "$(wc -l <<<"$ERR")" -eq 2 ] || fail "'$args': stderr should be two lines, not: $ERR"
  first=$(head -n 1 <<<"$ERR")
  grep -qF -- "'$wrong'" <<<"$first" || fail "'$args': the first line of stderr does not name '$wrong': $first"
  grep -q '^tarnwick: ' <<<"$first" || fail "'$args': the error line does not start with 'tarnwick: ': $first"
  [ "$(sed -n 2p <<<"$ERR")" = "Try 'tarnwick --help' for more information." ] ||
    fail "'$args': the second line does not point to --help: $(sed -n 2p <<<"$ERR")"
done
log "unknown options and arguments: one line naming them, one pointing to --help, status 2"

# The words are GNU's: a wrong option, long or short, is an unknown option; a
# word that is no option (or any word after "--") an unexpected argument; an
# option given an argument is told it takes none.
for case in "--bogus|unknown option '--bogus'" "-x|unknown option '-x'" "--bogus=1|unknown option '--bogus=1'" \
  "--captions=yes|option '--captions' doesn't allow an argument" \
  "--windowed --help=|option '--help' doesn't allow an argument" \
  "level2|unexpected argument 'level2'" "--windowed -- -x|unexpected argument '-x'"; do
  # shellcheck disable=SC2086  # the arguments are a list of words
  run ${case%%|*}
  [ "$STATUS" -eq 2 ] && [ "$(head -n 1 <<<"$ERR")" = "tarnwick: ${case#*|}" ] ||
    fail "'${case%%|*}' should be refused with 'tarnwick: ${case#*|}' and status 2, got $STATUS: $ERR"
done
# "--" only ends the options: those before it still count.
run --help --
[ "$STATUS" -eq 0 ] && [ "$OUT" = "$usage" ] || fail "'--help --' should print the usage, got $STATUS: $ERR"
log "GNU's words: unknown options alike long or short, options without arguments, '--' ends the options"

# Without a home folder, --help names no place for the settings: there is none.
(unset HOME XDG_CONFIG_HOME && run --help && [ "$STATUS" -eq 0 ] && grep -q 'holds for the run only' <<<"$OUT" &&
  ! grep -q 'kept for the next time' <<<"$OUT") || fail "--help without a home folder names a settings place"
log "PASS"
