#!/usr/bin/env bash
# The installer, silent (/S), as a script or an administrator runs it. Wine
# runs every program elevated, so it installs for all users, into Program
# Files with the machine's entry in the list of installed programs; the
# Start-menu shortcut starts the game to its title; the silent uninstaller
# leaves nothing of it behind. Then for the player alone (/CURRENTUSER, what a
# plain user gets) with a desktop shortcut (/DESKTOP): the same, in the user's
# own folders and entry.
source "$(dirname "$0")/lib/wine.bash"

unpack_zip "$WORK_DIR/unpacked"
xvfb_start
wine_prefix
drive_c=$WINEPREFIX/drive_c
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick'

# installed <root key> <folder>: the zip's files, the uninstaller, and the
# entry naming them; sets UNINSTALL to the uninstaller's Windows path.
installed() {
  local root=$1 folder=$2 entry
  diff -r "$WORK_DIR/unpacked/Tarnwick" "$folder" | grep -v "^Only in $folder: Uninstall.exe$" | grep . &&
    fail "$folder does not hold what the zip holds"
  [ -f "$folder/Uninstall.exe" ] || fail "no uninstaller in $folder"
  entry=$(wine reg query "$root\\$key" 2>/dev/null | tr -d '\r')
  grep -q 'DisplayName *REG_SZ *Tarnwick$' <<<"$entry" || fail "no entry for Tarnwick in $root's installed programs"
  grep -q "DisplayVersion *REG_SZ *$("$BUILD_DIR/tarnwick" --version | cut -d' ' -f2)$" <<<"$entry" ||
    fail "the entry does not give the game's version: $entry"
  UNINSTALL=$(sed -n 's/.*QuietUninstallString *REG_SZ *"\(.*\)" \/S$/\1/p' <<<"$entry")
  [ -n "$UNINSTALL" ] || fail "the entry names no silent uninstaller: $entry"
}

# Whatever of Tarnwick lies in the prefix or the home: nothing after an uninstall.
leftovers() { find "$drive_c" "$HOME" -iname '*tarnwick*' ! -path "$drive_c/users/*/Temp/*" 2>/dev/null; }

# uninstalled <root key>: the silent uninstaller returns before it is done
# (it works from a copy of itself), so its work is waited for.
uninstalled() {
  wine "$UNINSTALL" /S || fail "the silent uninstall failed"
  _all_gone() { [ -z "$(leftovers)" ] && ! wine reg query "$1\\$key" >/dev/null 2>&1; }
  wait_until 60 "the uninstall's end" _all_gone "$1"
}

wine "$SETUP" /S || fail "the silent install failed"
installed HKLM "$drive_c/Program Files/Tarnwick"
bash "$(dirname "$0")/../package/lib/machine_free.sh" "$(dirname "$0")/../.." "$BUILD_DIR" "the installer" "$SETUP" \
  "$drive_c/Program Files/Tarnwick/Uninstall.exe" || fail "the installer holds something of the machine that built it"
shortcut=$(find "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name Tarnwick.lnk)
[ -n "$shortcut" ] || fail "no Start-menu shortcut for all users"
log "installed for all users, with the Start-menu shortcut"

# The shortcut, opened as the Start menu opens it, from a folder without
# Assets. It hands the game over and returns: the game is found by its window.
(cd "$WORK_DIR" && wine start "$(winepath -w "$shortcut")") 2>"$WORK_DIR/start.log" || fail "the shortcut started nothing"
wait_for_window 120
wait_for_screen 120 title title_shown
pid=$(xprop -id "$WINDOW_ID" _NET_WM_PID | awk '{ print $3 }')
xdotool key --window "$WINDOW_ID" shift
_ended() { [[ "$(ps -o stat= -p "$pid")" == Z* ]] || ! kill -0 "$pid" 2>/dev/null; }
wait_until 60 "the game's end after Shift" _ended
uninstalled HKLM
log "the silent uninstall left nothing behind"

wine "$SETUP" /S /CURRENTUSER /DESKTOP || fail "the silent install for the player alone failed"
installed HKCU "$drive_c/users/$(id -un)/AppData/Local/Programs/Tarnwick"
wine reg query "HKLM\\$key" >/dev/null 2>&1 && fail "an install for the player alone wrote the machine's entry"
[ "$(leftovers | grep -c 'Tarnwick\.lnk$')" -eq 2 ] || fail "not one Start-menu and one desktop shortcut: $(leftovers | grep lnk)"
uninstalled HKCU
log "for the player alone too; PASS"
