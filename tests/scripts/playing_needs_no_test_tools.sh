#!/usr/bin/env bash
# A player waits for the game, not for our tools: what scripts/play,
# scripts/play-web and scripts/package install holds none of the packages only
# the tests and benchmarks use, and a build tree configured as a player's is
# builds no test program, no test tool and no benchmark, yet the game and its
# pictures and sounds.
#   bash playing_needs_no_test_tools.sh <source dir>
set -uo pipefail
source_dir=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work_out=$(mktemp)
trap 'rm -f "$work_out"' EXIT

# Packages that only the tests or benchmarks use.
test_only=(libgtest-dev libbenchmark-dev libsdl2-image-dev valgrind xvfb xdotool imagemagick x11-apps
  openbox pulseaudio lintian appstream debootstrap chromium npm unzip)
for purpose in play web package package-web; do
  listed=$("$source_dir/scripts/setup" --list "$purpose") || fail "setup --list $purpose failed"
  grep -qx libsdl2-dev <<<"$listed" || fail "$purpose does not install SDL: $listed"
  for package in "${test_only[@]}"; do
    ! grep -qx -- "$package" <<<"$listed" || fail "'$purpose' would install $package, which only testing needs"
  done
  case $purpose in play | package) ! grep -qx emscripten <<<"$listed" || fail "'$purpose' would install emscripten" ;; esac
  echo "ok: '$purpose' installs $(wc -l <<<"$listed") packages, none of them a test tool"
done
# A purpose setup does not know is refused, not taken as none.
for words in "nonsense" "play nonsense"; do
  status=0
  # shellcheck disable=SC2086  # the purposes are meant to split
  "$source_dir/scripts/setup" --list $words >"$work_out" 2>&1 || status=$?
  [ "$status" -eq 2 ] && grep -q "unknown purpose 'nonsense'" "$work_out" ||
    fail "setup --list $words: status $status, said: $(cat "$work_out")"
done
# Each player's script asks setup for its own purpose, never the tests': run
# from a copy of scripts/ whose setup says what it was asked and stops there.
fake=$(mktemp -d)
mkdir -p "$fake/scripts"
cp -r "$source_dir/scripts/play" "$source_dir/scripts/play-web" "$source_dir/scripts/package" "$source_dir/scripts/lib" \
  "$fake/scripts/"
printf '#!/bin/sh\necho "$*" >"%s/asked"\nexit 3\n' "$fake" >"$fake/scripts/setup"
chmod +x "$fake/scripts/setup"
for pair in "play:play" "play-web:web" "package:package" "package --web:package-web" "package --windows:package"; do
  rm -f "$fake/asked"
  # shellcheck disable=SC2086  # the script's arguments are meant to split
  bash "$fake/scripts/"${pair%%:*} >/dev/null 2>&1
  [ "$(cat "$fake/asked" 2>/dev/null)" = "${pair#*:}" ] ||
    fail "scripts/${pair%%:*} asks setup for '$(cat "$fake/asked" 2>/dev/null)', not '${pair#*:}'"
done
rm -rf "$fake"
echo "ok: unknown purposes are refused, and each player's script asks for its own"

# The tests themselves install their tools (npm only where Node has none).
for package in "${test_only[@]}"; do
  [ "$package" != npm ] || continue
  grep -qx -- "$package" < <("$source_dir/scripts/setup" --list test bench) || fail "the tests do not install $package"
done

work=$(mktemp -d)
trap 'rm -rf "$work" "$work_out"' EXIT
cmake -S "$source_dir" -B "$work/build" -G Ninja >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log" >&2; fail "a player's build tree did not configure"; }
# Every command the default target runs, whether or not it is up to date.
planned=$(ninja -C "$work/build" -t commands all) || fail "ninja could not list the build's commands"
grep -q -- '-o tarnwick ' <<<"$planned" || fail "the default build does not link the game"
grep -q 'tarnwick_assetgen /' <<<"$planned" || fail "the default build does not make the pictures and sounds"
if grep -E 'tests/|bench/|flashcheck|gtest|benchmark' <<<"$planned" >"$work/found"; then
  cut -c1-200 "$work/found" | head -5 >&2
  fail "the default build makes test programs or tools"
fi
echo "ok: the default build makes the game and its assets in $(wc -l <<<"$planned") commands, none a test's"
