# Every script's --help, and its refusal of what it does not take. Sourced,
# not run; needs nothing installed, so that --help does nothing else.

# Prints a script's header comment, which says what it does and takes.
tarnwick_help() { sed -n '2,/^set -/{/^set -/d;s/^# \{0,1\}//;p}' "$1"; }

# tarnwick_refuse <script> <argument>: one line on stderr, and status 2.
tarnwick_refuse() {
  echo "$(basename "$1"): unknown argument '$2' (see $(basename "$1") --help)" >&2
  exit 2
}
