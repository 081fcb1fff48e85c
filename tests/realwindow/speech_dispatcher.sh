#!/usr/bin/env bash
# The real game speaks through Speech Dispatcher, here a stand-in of ours on
# the socket that SPEECHD_ADDRESS names, which records each text it is sent.
# Without --speech it never connects. With --speech the title's words arrive,
# and after Return the first thoughts, in order, as the record of the story's
# lines has them. A service that is missing, one that closes its socket
# mid-game and one that stops answering each leave one line on stderr, and the
# game playing on (Return still takes it into the bedroom) and quitting at once
# on SIGTERM; so does one that never answers at all. The game plays into a
# sound server, as on a desktop: with no sound at all, miniaudio's last resort
# (JACK) blocks SIGPIPE for the whole game, and a socket closed under the
# game's voice would then prove nothing of the game's own care.
source "$(dirname "$0")/lib/xvfb.bash"
# shellcheck source=lib/pulse.bash
source "$(dirname "$0")/lib/pulse.bash"

STANDIN="$(dirname "$0")/tools/speech_service_standin.py"
LINES="$(dirname "$0")/../record/DialogueLines.h"
SOCKET="$WORK_DIR/speechd.sock"
RECORD="$WORK_DIR/spoken.txt"
STANDIN_PID=""
trap 'for pid in "$STANDIN_PID" "$PULSE_PID"; do [ -z "$pid" ] || kill "$pid" 2>/dev/null; done; cleanup' EXIT
export SPEECHD_ADDRESS="unix_socket:$SOCKET"
EXTRA_LOGS="$EXTRA_LOGS $RECORD"

# standin [answer | close-after N | hang-after N]: a fresh stand-in and record.
standin() {
  [ -z "$STANDIN_PID" ] || kill "$STANDIN_PID" 2>/dev/null
  rm -f "$SOCKET"
  : >"$RECORD"
  python3 "$STANDIN" "$SOCKET" "$RECORD" "$@" &
  STANDIN_PID=$!
  wait_until 30 "the stand-in's socket" test -S "$SOCKET"
}
# The texts said, one a line, in the order they came.
spoken() { sed -n 's/^[0-9]* SPEAK //p' "$RECORD"; }
# The story's line number $1, as the record has it.
story_line() { sed -n "s/^ *{$1, \"\\(.*\\)\"},\$/\\1/p" "$LINES"; }
# said_in_order <text>...: each text was said whole (ignoring case), each after the one before.
said_in_order() {
  spoken | awk 'BEGIN { for (i = 1; i < ARGC; i++) want[i] = tolower(ARGV[i]); n = ARGC - 1; ARGC = 1; at = 1 }
    at <= n && tolower($0) == want[at] { at++ }
    END { exit at <= n }' "$@"
}
# The title's words, as the picture shows them, in one text said.
title_said() {
  spoken | awk '{ t = tolower($0) } t ~ /tarnwick/ && t ~ /press enter/ && t ~ /shift to quit/ { found = 1 } END { exit !found }'
}
tarnwick_lines() { grep -c '^tarnwick: ' "$GAME_LOG"; }
one_line_naming() { [ "$(tarnwick_lines)" -eq 1 ] && grep -q "^tarnwick: .*$1" "$GAME_LOG"; }
# Plays from the title into the bedroom: the game is running and hears Return.
return_into_bedroom() {
  wait_for_screen 60 "title-$1" title_shown
  xdotool key Return
  wait_for_screen 60 "bedroom-$1" band_shown
}
# shellcheck disable=SC2016  # the game's path is handed to bash as $0
game_with_speech() { game_start "$RUN_DIR" bash -c 'exec "$0" --speech'; }
quits_promptly() {
  kill -TERM "$GAME_PID" || fail "could not signal the game"
  game_wait_exit 10
  [ "$GAME_STATUS" -eq 0 ] || fail "$1: SIGTERM should end the game with status 0, got $GAME_STATUS"
}

xvfb_start
pulse_start
assets_link_dir

# Without --speech the game never reaches the service.
standin
game_start "$RUN_DIR"
wait_for_window 60
wait_for_screen 60 title-unspoken title_shown
quits_promptly "speech off"
[ ! -s "$RECORD" ] || fail "with speech off the game reached the service: $(cat "$RECORD")"

# The title, then the first thoughts, spoken in order.
game_with_speech
wait_for_window 60
wait_until 60 "the title's words said" title_said
return_into_bedroom spoken
first=$(story_line 0) second=$(story_line 1) third=$(story_line 2)
[ -n "$first" ] && [ -n "$third" ] || fail "the record's first lines were not found in $LINES"
wait_until 60 "'$first' said" said_in_order "$first"
xdotool key Return
wait_until 60 "'$second' said after '$first'" said_in_order "$first" "$second"
xdotool key Return
wait_until 60 "'$third' said after '$second'" said_in_order "$first" "$second" "$third"
[ "$(tarnwick_lines)" -eq 0 ] || fail "the game complained with the service there"
quits_promptly "speaking"
log "the title and the first three thoughts arrived in order"

# No service at all.
kill "$STANDIN_PID"
wait "$STANDIN_PID" 2>/dev/null
STANDIN_PID=""
rm -f "$SOCKET"
game_with_speech
wait_for_window 60
wait_until 60 "one line about the missing service" one_line_naming "Speech Dispatcher"
return_into_bedroom missing
quits_promptly "no service"
[ "$(tarnwick_lines)" -eq 1 ] || fail "no service: more than one line about it"
log "without a service: $(grep '^tarnwick: ' "$GAME_LOG")"

# A service that dies (closes its socket) once it has had one text, and one
# that stops answering; then one that never answers at all, which holds the
# game's connection in its greeting for good.
for ending in close-after hang-after; do
  standin "$ending" 1
  game_with_speech
  wait_for_window 60
  wait_until 60 "a text reaching the service" grep -q " SPEAK " "$RECORD"
  return_into_bedroom "$ending"
  wait_until 60 "one line about the lost service ($ending)" one_line_naming "Speech Dispatcher"
  quits_promptly "$ending"
  [ "$(tarnwick_lines)" -eq 1 ] || fail "$ending: more than one line about the service"
  log "$ending: $(grep '^tarnwick: ' "$GAME_LOG")"
done
standin hang-after 0
game_with_speech
wait_for_window 60
return_into_bedroom never-answering
quits_promptly "a service that never answers"
log "PASS"
