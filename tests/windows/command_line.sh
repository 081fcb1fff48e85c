#!/usr/bin/env bash
# The command line of Tarnwick.exe under Wine, with its output redirected as a
# terminal or a script would take it: --version and a wrong word print what
# the Linux build prints (in Windows' line ends), on the same stream, with the
# same exit status, and open no window; --help speaks of Windows, and the
# zip's README.txt (for Notepad: Windows' line ends, a heading underlined to
# its length) holds exactly that usage. (Attaching to the console of a
# Windows terminal cannot be shown under Wine, where it always fails.)
source "$(dirname "$0")/lib/wine.bash"

unpack_zip "$WORK_DIR/unpacked"
exe=$WORK_DIR/unpacked/Tarnwick/Tarnwick.exe
xvfb_start
wine_prefix

# The usage names where the pause menu's settings are kept: each system's own
# place, which is all that may differ.
settings_place() { sed -n '/kept for the next time, in/{n;s/^ *//;p}' "$1"; }
unplaced() { sed '/kept for the next time, in/{n;s/.*/  (the settings file)/}'; }

# same_as_linux <args...>: both builds, their stdout, stderr and status.
same_as_linux() {
  local linux=0 windows=0
  "$BUILD_DIR/tarnwick" "$@" >"$WORK_DIR/linux.out" 2>"$WORK_DIR/linux.err" || linux=$?
  wine "$exe" "$@" >"$WORK_DIR/windows.out" 2>"$WORK_DIR/windows.err" || windows=$?
  [ "$windows" -eq "$linux" ] || fail "'$*': exit status $windows on Windows, $linux on Linux"
  [ "$(unix_text "$WORK_DIR/windows.out" | unplaced)" = "$(unplaced <"$WORK_DIR/linux.out")" ] ||
    fail "'$*': stdout differs from Linux's: $(diff <(unix_text "$WORK_DIR/windows.out" | unplaced) <(unplaced <"$WORK_DIR/linux.out"))"
  [ "$(unix_text "$WORK_DIR/windows.err")" = "$(cat "$WORK_DIR/linux.err")" ] ||
    fail "'$*': stderr differs from Linux's: $(diff <(unix_text "$WORK_DIR/windows.err") "$WORK_DIR/linux.err")"
  log "'$*': status $windows and the same text as on Linux"
}

help_status=0
wine "$exe" --help >"$WORK_DIR/help.out" 2>"$WORK_DIR/help.err" || help_status=$?
[ "$help_status" -eq 0 ] && [ ! -s "$WORK_DIR/help.err" ] || fail "--help: status $help_status, stderr $(cat "$WORK_DIR/help.err")"
unix_text "$WORK_DIR/help.out" >"$WORK_DIR/help.txt"
grep -q '^Usage: tarnwick' "$WORK_DIR/help.txt" || fail "--help printed no usage"
place=$(settings_place "$WORK_DIR/help.txt")
[[ "$place" == *'\AppData\Roaming\Tarnwick\settings.conf' ]] ||
  fail "--help should name the settings in the player's application data, names '$place'"
grep -q 'beside Tarnwick.exe' "$WORK_DIR/help.txt" && ! grep -qi 'launcher' "$WORK_DIR/help.txt" ||
  fail "--help does not speak of Windows: $(sed -n 4,6p "$WORK_DIR/help.txt")"
readme=$WORK_DIR/unpacked/Tarnwick/README.txt
[ "$(grep -vc $'\r$' "$readme")" -eq 0 ] || fail "README.txt has lines without Windows' line ends"
unix_text "$readme" | unplaced >"$WORK_DIR/readme.txt"
usage=$(unplaced <"$WORK_DIR/help.txt")
[ "$(sed -n '/^Usage: tarnwick/,$p' "$WORK_DIR/readme.txt" | head -n "$(wc -l <<<"$usage")")" = "$usage" ] ||
  fail "README.txt does not hold what --help prints: $(diff <(sed -n '/^Usage: tarnwick/,$p' "$WORK_DIR/readme.txt") <(echo "$usage") | head -20)"
[ "$(sed -n 2p "$WORK_DIR/readme.txt")" = "$(sed -n 1p "$WORK_DIR/readme.txt" | tr -c '\n' '=')" ] ||
  fail "README.txt's heading is not underlined to its length: $(head -n 2 "$WORK_DIR/readme.txt")"
log "--help speaks of Windows, and README.txt holds it"
same_as_linux --version
wine "$exe" -h --version 2>/dev/null | unix_text /dev/stdin | cmp -s - "$WORK_DIR/help.txt" || fail "-h --version does not print the usage"
same_as_linux --windowed --bogus
grep -q "unknown option '--bogus'" "$WORK_DIR/windows.err" || fail "the wrong option is not named on stderr"
same_as_linux level2
[ -z "$(xdotool search --name '^Tarnwick$' 2>/dev/null)" ] || fail "a window opened for the command line"
log "PASS"
