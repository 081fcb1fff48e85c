# Configuring and building a CMake build tree, shared by the scripts. Sourced,
# not run. A tree builds the test programs only when configured with
# -DTARNWICK_TESTS=ON (scripts/test and scripts/bench do); a player's scripts
# build only the targets they need.

# Ninja when it is there; an existing tree keeps the generator it was made with.
tarnwick_generator_args() {
  local dir=$1
  if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then
    echo "-G Ninja"
  fi
}

# configure <source> <build dir> [cmake options...]
tarnwick_configure() {
  local source=$1 dir=$2
  shift 2
  # shellcheck disable=SC2046  # the generator arguments are meant to split
  cmake -S "$source" -B "$dir" $(tarnwick_generator_args "$dir") "$@"
}

# build_targets <build dir> <target>...: only those targets and what they need.
tarnwick_build_targets() {
  local dir=$1
  shift
  cmake --build "$dir" --parallel "$(nproc)" --target "$@"
}

# What a player's build makes: the game and its pictures and sounds.
tarnwick_game_targets=(tarnwick assets)

# build <build dir> [keep-going]: every target of the tree; with keep-going, builds every target it can
# even after one has failed, and still reports the failure.
tarnwick_build() {
  local dir=$1 keep_going=${2:-}
  if [ -n "$keep_going" ]; then
    if grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
      cmake --build "$dir" -- -k 0
    else
      cmake --build "$dir" --parallel "$(nproc)" -- -k
    fi
  else
    cmake --build "$dir" --parallel "$(nproc)"
  fi
}

# Inside the subshell that builds a set of libraries, with `log` its log and
# `building` what it builds ("web", "windows"): runs one step into the log,
# and on a failure shows the log's end and leaves the subshell. Each step is
# checked itself: `set -e` is ignored where a caller tests the status.
tarnwick_step() {
  "$@" >>"$log" 2>&1 && return 0
  echo "failed: $*" >>"$log"
  tarnwick_step_failed
}
tarnwick_step_failed() {
  echo "$building: building the dependencies failed; the log follows" >&2
  tail -40 "$log" >&2
  exit 1
}
