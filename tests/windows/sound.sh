#!/usr/bin/env bash
# The title is heard through miniaudio's Windows backend: with ALSA's default
# device routed to a file (an .asoundrc in the test's own home, where Wine's
# sound driver finds it), the title's music and ambience reach the file.
source "$(dirname "$0")/lib/wine.bash"

recording=$WORK_DIR/heard.raw
cat >"$HOME/.asoundrc" <<ASOUND
pcm.!default {
  type plug
  slave { pcm "to_file"; format S16_LE; rate 48000; channels 2 }
}
pcm.to_file { type file; slave.pcm "null"; file "$recording"; format "raw" }
ASOUND

unpack_zip "$WORK_DIR/unpacked"
xvfb_start
wine_prefix
[ ! -e "$recording" ] || fail "something played before the game"
wine_start "$WORK_DIR/unpacked/Tarnwick" "$WORK_DIR/unpacked/Tarnwick/Tarnwick.exe"
wait_for_window 120
wait_for_screen 120 title title_shown

# Two seconds of 48 kHz stereo, and not silence.
_heard() { [ "$(stat -c %s "$recording" 2>/dev/null || echo 0)" -gt $((48000 * 2 * 2 * 2)) ]; }
wait_until 60 "two seconds of sound in $recording" _heard
read -r samples peak rms <<<"$(od -An -v -td2 -w2 "$recording" | awk '
  { x = $1 + 0; n++; s += x * x; if (x < 0) x = -x; if (x > p) p = x }
  END { r = sqrt(s / n); printf "%d %d %.1f\n", n, p, (r > 0 ? 20 * log(r / 32768) / log(10) : -999) }')"
log "heard: $samples samples, peak $peak, RMS $rms dBFS"
[ "$peak" -gt 30 ] && awk -v r="$rms" 'BEGIN { exit !(r > -70) }' || fail "the recording is silence (peak $peak, $rms dBFS)"
shift_on_title_quits
log "PASS"
