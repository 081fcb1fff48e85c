# Shared by the Windows tests: the packed game under Wine on a private virtual
# display, with the real-window tests' waiting, screenshots and checks.
# Sourced, never run on its own. A test is called as:
#   bash script.sh <zip> <assets dir> <build dir> <setup.exe>
# shellcheck source=../../realwindow/lib/xvfb.bash
source "$(dirname "${BASH_SOURCE[0]}")/../../realwindow/lib/xvfb.bash"

ZIP=$GAME_BINARY
SETUP=$(readlink -f "$4")
[ -f "$ZIP" ] && [ -f "$SETUP" ] || fail "no $ZIP or $SETUP: scripts/test builds and packs the Windows version"

# Every Wine run gets a home and a prefix of its own, thrown away with the
# test: Wine writes menu entries, icons and its user folders' links into the
# home, and the installer writes into the prefix. None of Wine's chatter, and
# no offer to install Wine's .NET or browser.
export HOME="$WORK_DIR/home" WINEPREFIX="$WORK_DIR/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
mkdir -p "$HOME"
# No sound server (xvfb.bash keeps the test from any), and ALSA's default
# device unset: Wine has no sound device, and the game plays into miniaudio's
# null backend, as on a machine without one, unless a test routes ALSA.

# Ends this prefix's Wine server (and whatever it still runs) with the test.
_wine_cleanup() {
  wineserver -k 2>/dev/null
  cleanup
}
trap _wine_cleanup EXIT

# Makes the prefix: Wine's own first start, measured for the figures. On the
# test's display: Wine's desktop process, started here, draws every window.
wine_prefix() {
  local start=$SECONDS
  wineboot -i >"$WORK_DIR/wineboot.log" 2>&1 || { cat "$WORK_DIR/wineboot.log" >&2; fail "wineboot failed"; }
  log "Wine's prefix made in $((SECONDS - start)) s"
}

# Unpacks the zip into <folder> (which then holds Tarnwick/).
unpack_zip() {
  mkdir -p "$1" && unzip -q "$ZIP" -d "$1" || fail "could not unpack $ZIP"
}

# wine_start <dir> <program> [args...]: starts a Windows program under Wine in
# the background from <dir>, as game_start does the Linux game.
wine_start() {
  local dir=$1
  shift
  GAME_LOG="$WORK_DIR/game-$(date +%s%N).log"
  GAME_STATUS=""
  (cd "$dir" && exec wine "$@") >"$WORK_DIR/game.out" 2>"$GAME_LOG" &
  GAME_PID=$!
}

# What a Windows program printed, in Linux's line ends, for comparing.
unix_text() { tr -d '\r' <"$1"; }

# The game's window quits on Shift (a key-up) on the title screen.
shift_on_title_quits() {
  xdotool key --window "$WINDOW_ID" shift
  game_wait_exit 60
  [ "$GAME_STATUS" -eq 0 ] || fail "Shift on the title should end the game with status 0, got $GAME_STATUS"
}
