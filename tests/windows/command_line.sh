#!/usr/bin/env bash
# The command line of Tarnwick.exe under Wine, with its output redirected as a
# terminal or a script would take it: --help, --version and a wrong word print
# what the Linux build prints (in Windows' line ends), on the same stream,
# with the same exit status, and open no window. (Attaching to the console of
# a Windows terminal cannot be shown under Wine, where it always fails.)
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

same_as_linux --help
grep -q '^Usage: tarnwick' "$WORK_DIR/windows.out" || fail "--help printed no usage"
place=$(unix_text "$WORK_DIR/windows.out" >"$WORK_DIR/windows.txt"; settings_place "$WORK_DIR/windows.txt")
[[ "$place" == *'\AppData\Roaming\Tarnwick\settings.conf' ]] ||
  fail "--help should name the settings in the player's application data, names '$place'"
same_as_linux --version
same_as_linux -h --version
same_as_linux --windowed --bogus
grep -q "unknown option '--bogus'" "$WORK_DIR/windows.err" || fail "the wrong option is not named on stderr"
same_as_linux level2
[ -z "$(xdotool search --name '^Tarnwick$' 2>/dev/null)" ] || fail "a window opened for the command line"
log "PASS"
