#!/usr/bin/env bash
# The README and docs/ stay true: every link leads to a file, every file they
# name in the source exists, and every command in their code blocks still
# works, run as far as it can be without doing its work: the game's with
# --help after its arguments (which refuses any it does not take), a
# script's with --help (which checks its arguments and does nothing else),
# ctest's as a listing, an install into a folder of the test's own. A command
# this test cannot check fails it, until the test is taught how.
#   bash commands_hold.sh <source dir> <tarnwick> <build dir>
set -uo pipefail
source_dir=$1 game=$2 build=$3
cd "$source_dir" || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 checked=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pages=(README.md docs/*.md)

# runs <what> <command...>: the command must succeed.
runs() {
  local what=$1
  shift
  checked=$((checked + 1))
  "$@" >"$work/out" 2>&1 || fail "$what: '$*' failed: $(head -c 300 "$work/out")"
}

for page in "${pages[@]}"; do
  # Links to other pages and files of the tree.
  while read -r link; do
    [ -e "$(dirname "$page")/${link%%#*}" ] || fail "$page links to $link, which is not there"
  done < <(grep -o '](\([^)]*\))' "$page" | sed 's/^](\(.*\))$/\1/' | grep -v '^[a-z]*://')
  # Files of the source tree named in code spans (not ones a build makes, nor patterns).
  while read -r path; do
    [ -e "$path" ] || fail "$page names $path, which is not there"
  done < <(grep -o '`[a-z.]*/[^` ]*`' "$page" | tr -d '`' | grep -v '[<>*{]' |
    grep -E '^(src|tests|tools|scripts|web|windows|packaging|bench|docs)/' | sed 's/[.,:;]$//' | sort -u)
done

# Every command in a code block, with its comment and environment taken off.
while IFS=$'\t' read -r page line; do
  command=${line%%#*}
  read -ra words <<<"$command"
  [ "${#words[@]}" -gt 0 ] || continue
  words=("${words[@]/#\~/$HOME}")
  while [[ "${words[0]}" == [A-Z_]*=* ]]; do
    variable=${words[0]%%=*}
    grep -rqw "$variable" scripts tests bench src || fail "$page: $variable is read by nothing"
    words=("${words[@]:1}")
  done
  [ "${words[0]}" != start ] || words=("${words[@]:2}")  # Windows' start /wait
  case ${words[0]} in
    tarnwick | Tarnwick.exe | *\\Tarnwick.exe* | scripts/play)
      runs "$page" "$game" "${words[@]:1}" --help ;;
    scripts/*) runs "$page" bash "${words[@]}" --help ;;
    ctest)
      [[ " ${words[*]} " == *" --test-dir build "* ]] || fail "$page: '$command' is not run in build/"
      runs "$page" ctest --test-dir "$build" -N "${words[@]:3}"
      grep -q 'Total Tests: [1-9]' "$work/out" || fail "$page: '$command' runs no test" ;;
    cmake)
      # Into a prefix of the test's own, for the one the page names.
      [ "${words[*]:0:4}" = "cmake --install build --prefix" ] && [ "${#words[@]}" -eq 5 ] ||
        fail "$page: '$command' is no install of build/ into a prefix"
      runs "$page" cmake --install "$build" --prefix "$work/prefix"
      [ -x "$work/prefix/bin/tarnwick" ] || fail "$page: '$command' installs no launcher" ;;
    man) [ "${words[*]}" = "man 6 tarnwick" ] && grep -q '^\.TH TARNWICK 6' packaging/debian/tarnwick.6 ||
      fail "$page: no manual page for '$command'" ;;
    sudo) [[ "${words[*]}" == "sudo apt install ./build/tarnwick_*.deb" ]] ||
      fail "$page: '$command' is not checked" ;;  # the package's own test installs it
    *) fail "$page: '$command' is a command this test cannot check" ;;
  esac
done < <(awk '/^```(sh|bat)$/ { inside = 1; next } /^```/ { inside = 0 } inside { print FILENAME "\t" $0 }' "${pages[@]}")

[ "$checked" -gt 10 ] || fail "only $checked commands were run"
echo "$checked commands ran; $failures failures"
[ "$failures" -eq 0 ]
