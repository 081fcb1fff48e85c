#!/usr/bin/env bash
# The zip as a player gets it: one folder, Tarnwick/, with a windowed .exe that
# needs no DLL but Windows' own, the game's pictures and sounds, the licences
# and a README. Unpacked and started there under Wine (without a sound device:
# miniaudio's null backend) it shows the intro, then the title, with the icon
# made from the title picture on its window; Return goes on into the bedroom
# with the first line in the band, and closing the window quits; Shift on the
# title quits with status 0. Escape opens the pause menu, whose volume, turned
# down, is kept in the player's application-data folder, in Windows' line ends,
# over a file as Notepad saves it (a byte-order mark first), read without a
# word; Escape resumes.
source "$(dirname "$0")/lib/wine.bash"

unpack_zip "$WORK_DIR/unpacked"
game=$WORK_DIR/unpacked/Tarnwick
[ "$(ls "$WORK_DIR/unpacked")" = Tarnwick ] || fail "the zip holds more than one folder: $(ls "$WORK_DIR/unpacked")"
[ "$(ls "$game" | tr '\n' ' ')" = "Assets Licences README.txt Tarnwick.exe " ] ||
  fail "Tarnwick/ holds: $(ls "$game" | tr '\n' ' ')"
diff -r -x .generated "$ASSETS_DIR" "$game/Assets" >/dev/null || fail "the zip's Assets/ are not the build's"
bash "$(dirname "$0")/../package/lib/machine_free.sh" "$(dirname "$0")/../.." "$BUILD_DIR" "the Windows zip" "$game" ||
  fail "the zip holds something of the machine that built it"
for licence in Tarnwick SDL2 libpng zlib miniaudio MinGW-w64-runtime; do
  grep -q . "$game/Licences/$licence.txt" 2>/dev/null || fail "no licence of $licence in Licences/"
done

xvfb_start
wine_prefix
# Windowed: no console window on a double-click. Every DLL it needs is one
# of Windows' own, which a fresh prefix has (the C++ runtime, SDL, libpng and
# zlib are inside the .exe).
objdump=$(x86_64-w64-mingw32-objdump -p "$game/Tarnwick.exe") || fail "objdump cannot read the .exe"
grep -q 'Subsystem.*(Windows GUI)' <<<"$objdump" || fail "Tarnwick.exe is not a windowed program"
while read -r dll; do
  [ -n "$(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ] ||
    fail "Tarnwick.exe needs $dll, which is not one of Windows' own"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$objdump")
# Its manifest asks Windows not to scale its pixels, and its version is the game's.
grep -q 'PerMonitorV2' "$game/Tarnwick.exe" || fail "the .exe's manifest does not make it aware of each display's scaling"
strings -el -n 3 "$game/Tarnwick.exe" | grep -qx "$("$BUILD_DIR/tarnwick" --version | cut -d' ' -f2)" ||
  fail "the .exe's version information does not hold the game's version"

appdata=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -path '*/AppData/Roaming' ! -path '*/Public/*' | head -n 1)
[ -n "$appdata" ] || fail "Wine's prefix has no user's application data"
settings=$appdata/Tarnwick/settings.conf
mkdir -p "$appdata/Tarnwick"
printf '\xef\xbb\xbfvolume = 50\r\ncaptions = off\r\n' >"$settings"

wine_start "$game" "$game/Tarnwick.exe"
wait_for_window 120
wait_for_screen 120 intro not_black
wait_for_screen 120 title title_shown

# Wine puts the window's icon, the .exe's first, on the X window.
xprop -notype -id "$WINDOW_ID" -f _NET_WM_ICON 32c '=$0+\n' _NET_WM_ICON | sed 's/^[^=]*=//' | tr -d ' ' | tr ',' '\n' |
  awk 'NR == 1 { w = $1 } NR == 2 { print "P3"; print w, $1; print 255; n = w * $1 }
       NR > 2 && NR <= 2 + n { printf "%d %d %d\n", int($1 / 65536) % 256, int($1 / 256) % 256, $1 % 256 }' \
    >"$WORK_DIR/icon.ppm"
"$BUILD_DIR/tools/icon/tarnwick_icon" "$SPRITES/TitleScreen.png" "$WORK_DIR/icon.png" 32 || fail "no icon tool"
error=$(compare -metric MAE "$WORK_DIR/icon.ppm" "$WORK_DIR/icon.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
awk -v e="${error:-1}" 'BEGIN { exit !(e < 0.02) }' || fail "the window's icon is not the game's (error ${error:-none})"
log "the window's icon is the one made from the title picture (error $error)"

# The pause menu's panel, edged in grey, in the middle of the screen.
menu_shown() { [ "$(convert "$1" -format '%[pixel:p{139,300}]' info:)" = "srgb(96,96,104)" ]; }
menu_gone() { ! menu_shown "$1"; }
xdotool key --window "$WINDOW_ID" Escape
wait_for_screen 120 menu menu_shown
xdotool key --window "$WINDOW_ID" Down Down Down Left
wait_until 60 "the settings kept in the application data" grep -qsx $'volume = 40\r' "$settings"
[ "$(grep -vc $'\r$' "$settings")" -eq 0 ] || fail "the settings are not written in Windows' line ends: $(od -c "$settings" | head)"
! grep -q 'settings' "$GAME_LOG" || fail "the settings as Notepad saves them were not read quietly: $(grep settings "$GAME_LOG")"
xdotool key --window "$WINDOW_ID" Escape
wait_for_screen 120 resumed menu_gone
log "the pause menu opened, kept the volume in the application data, and resumed"

xdotool key --window "$WINDOW_ID" Return
wait_for_screen 120 bedroom band_shown
log "Return went on into the bedroom, with the first line in the band"
# Closing the window, as a window manager's button does, quits with status 0.
"$BUILD_DIR/tarnwick_close_window" "$WINDOW_ID" || fail "could not close the window"
game_wait_exit 60
[ "$GAME_STATUS" -eq 0 ] || fail "closing the window should end the game with status 0, got $GAME_STATUS"

wine_start "$game" "$game/Tarnwick.exe"
wait_for_window 120
wait_for_screen 120 title-again title_shown
shift_on_title_quits
log "PASS"
