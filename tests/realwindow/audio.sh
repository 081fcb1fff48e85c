#!/usr/bin/env bash
# The title screen is heard. A private PulseAudio server with one null sink
# stands in for a sound card; the game, told to use that server, plays the
# title's music and ambience into it, and a recording of the sink's monitor
# must not be silence. With "Audio/MenuSong.mp3" taken away the title still
# runs, and the recording still holds the ambience. Paused, turned down to 0
# in the menu and resumed, the game is silent from the pause on: nothing of
# what was mixed before the pause comes out at the old volume on resuming.
source "$(dirname "$0")/lib/xvfb.bash"
# shellcheck source=lib/pulse.bash
source "$(dirname "$0")/lib/pulse.bash"

RECORD_PID=""

audio_cleanup() {
  local pid
  for pid in "$RECORD_PID" "$GAME_PID" "$PULSE_PID"; do
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      kill -TERM "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
    fi
  done
  GAME_PID=""
  cleanup
}
trap audio_cleanup EXIT

# Records the null sink's monitor for $2 seconds into $1 (raw 16-bit mono).
# The recording's length is what is measured, so this one step lasts a time
# on the wall clock; the checks below ask only for two seconds of it.
record() {
  local out=$1 seconds=$2
  parec -d tarnwick.monitor --raw --format=s16le --rate=44100 --channels=1 >"$out" 2>"$PULSE_DIR/parec.log" &
  RECORD_PID=$!
  sleep "$seconds"
  kill -TERM "$RECORD_PID" 2>/dev/null
  wait "$RECORD_PID" 2>/dev/null
  RECORD_PID=""
  [ -s "$out" ] || fail "the recording $out is empty: $(cat "$PULSE_DIR/parec.log")"
}

# Prints "<samples> <peak> <rms dBFS>" of a raw 16-bit recording.
levels() {
  od -An -v -td2 -w2 "$1" | awk '
    { x = $1 + 0; n++; s += x * x; if (x < 0) x = -x; if (x > p) p = x }
    END {
      if (n == 0) { print 0, 0, -999; exit }
      r = sqrt(s / n); printf "%d %d %.1f\n", n, p, (r > 0 ? 20 * log(r / 32768) / log(10) : -999)
    }'
}

# Fails unless the recording holds sound: a few seconds of it, not silence.
assert_heard() {
  local file=$1 what=$2 samples peak rms
  read -r samples peak rms <<<"$(levels "$file")"
  log "$what: $samples samples, peak $peak, RMS $rms dBFS"
  [ "$samples" -gt $((44100 * 2)) ] || fail "$what: only $samples samples recorded"
  [ "$peak" -gt 30 ] || fail "$what: the recording is silence (peak $peak)"
  awk -v r="$rms" 'BEGIN { exit !(r > -70) }' || fail "$what: the recording is all but silence ($rms dBFS)"
}

game_is_pulse_client() {
  pactl list clients 2>/dev/null | grep -q 'application.process.binary = "tarnwick"' &&
    pactl list sink-inputs 2>/dev/null | grep -q 'Sink: '
}

# The game must be a client of our server in its own right (miniaudio's
# PulseAudio backend), not through some other route.
assert_game_is_pulse_client() {
  local clients
  clients=$(pactl list clients 2>/dev/null)
  echo "$clients" | grep -q 'application.process.binary = "tarnwick"' ||
    fail "the game is not a client of the sound server: $clients"
  if echo "$clients" | grep -A30 'application.process.binary = "tarnwick"' | grep -qi 'alsa'; then
    fail "the game reached the sound server through ALSA, not directly"
  fi
  pactl list sink-inputs | grep -q 'Sink: ' || fail "the game has no stream on the sink"
  log "the game plays through PulseAudio as $(echo "$clients" | grep -B30 'application.process.binary = "tarnwick"' |
    grep 'application.name = ' | tail -n 1 | sed 's/^[[:space:]]*//')"
}

# Runs the title from $1 for a while and records it into $2.
hear_title() {
  local dir=$1 out=$2 name=$3
  game_start "$dir"
  wait_for_window 60
  wait_for_screen 60 "$name" not_black
  wait_until 60 "the game's stream on the sound server" game_is_pulse_client
  assert_game_is_pulse_client
  record "$out" 5
  game_alive || fail "the game ended while playing its title ($name)"
  game_terminate_cleanly
}

command -v pulseaudio >/dev/null && command -v parec >/dev/null && command -v pactl >/dev/null ||
  fail "pulseaudio and pulseaudio-utils are needed (scripts/setup installs them)"

xvfb_start
pulse_start

# Before the game, the sink is silent: whatever is heard later is the game's.
record "$WORK_DIR/before.raw" 3
read -r samples peak rms <<<"$(levels "$WORK_DIR/before.raw")"
log "before the game: $samples samples, peak $peak"
[ "$peak" -le 1 ] || fail "the sink is not silent before the game starts (peak $peak)"

# With everything in place: the title's music and ambience.
assets_copy_dir
hear_title "$RUN_DIR" "$WORK_DIR/title.raw" title
assert_heard "$WORK_DIR/title.raw" "the title"

# Without the menu song: the ambience alone, and the title otherwise the same.
assets_copy_dir
rm "$RUN_DIR/Assets/Audio/MenuSong.mp3" || fail "could not remove the menu song"
hear_title "$RUN_DIR" "$WORK_DIR/no-song.raw" no-song
assert_heard "$WORK_DIR/no-song.raw" "the title without its song"
# The song was part of what was heard the first time, and is missing now.
read -r _ _ withSong <<<"$(levels "$WORK_DIR/title.raw")"
read -r _ _ withoutSong <<<"$(levels "$WORK_DIR/no-song.raw")"
awk -v a="$withSong" -v b="$withoutSong" 'BEGIN { exit !(b < a - 1) }' ||
  fail "without the menu song the title is not quieter ($withoutSong against $withSong dBFS)"

# Paused on the title, the volume turned down to 0 and the game resumed.
menu_shown() { [ "$(convert "$1" -format '%[pixel:p{139,300}]' info:)" = "srgb(96,96,104)" ]; }
press() {
  xdotool windowfocus --sync "$WINDOW_ID" 2>/dev/null || true
  xdotool key "$@"
}
recorded_bytes() { stat -c %s "$WORK_DIR/paused.raw" 2>/dev/null || echo 0; }
# The recording has grown by $1 seconds past $2 bytes.
recorded_past() { [ "$(recorded_bytes)" -gt $(($2 + $1 * 44100 * 2)) ]; }
assets_link_dir
game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 paused-title not_black
wait_until 60 "the game's stream on the sound server" game_is_pulse_client
parec -d tarnwick.monitor --raw --format=s16le --rate=44100 --channels=1 >"$WORK_DIR/paused.raw" 2>"$PULSE_DIR/parec.log" &
RECORD_PID=$!
wait_until 60 "a second of the title recorded" recorded_past 1 0
press Escape
wait_for_screen 30 paused-menu menu_shown
press Down Down Down Left Left Left Left Left Left Left Left Left Left
at=$(recorded_bytes)
wait_until 60 "a second recorded in the menu" recorded_past 1 "$at"
press Escape
menu_gone() { ! menu_shown "$1"; }
wait_for_screen 30 paused-resumed menu_gone
at=$(recorded_bytes)
wait_until 60 "two seconds recorded after resuming" recorded_past 2 "$at"
kill -TERM "$RECORD_PID" 2>/dev/null
wait "$RECORD_PID" 2>/dev/null
RECORD_PID=""
game_alive || fail "the game ended in or after the menu"
game_terminate_cleanly
# The title is heard until the pause; from the first fifth of a second of
# silence on (the pause), every sample is silence.
read -r before pausedAt after <<<"$(od -An -v -td2 -w2 "$WORK_DIR/paused.raw" | awk '
  { x = $1 + 0; if (x < 0) x = -x; n++
    if (at == 0) { if (x > p) p = x; quiet = (x <= 1) ? quiet + 1 : 0; if (quiet >= 8820) at = n }
    else if (x > q) q = x }
  END { printf "%d %d %d\n", p, at, q }')"
log "paused recording: peak $before before the pause, silent from sample $pausedAt, peak $after after it"
[ "$before" -gt 30 ] && [ "$pausedAt" -gt 0 ] || fail "the title was not heard, or the pause never silent"
[ "$after" -le 1 ] || fail "sound at the old volume after the pause, with the volume at 0 (peak $after)"

log "PASS"
