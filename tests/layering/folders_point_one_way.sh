#!/usr/bin/env bash
# The folders of src/ include one another in one direction only, bottom to top:
#   platform  <  core  <  assets, story, world, presentation  <  shell
# Reads every #include "folder/..." line under src/ and fails, naming the line,
# when a folder includes one that is not below it; and fails on any cycle
# between folders, whatever the ranks say.
set -uo pipefail
src=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)}

# Rank of each folder: a folder may include only folders of a lower rank (or itself).
declare -A rank=([platform]=0 [core]=1 [assets]=2 [story]=3 [world]=4 [presentation]=5 [shell]=6)

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

for dir in "$src"/*/; do
  from=$(basename "$dir")
  if [ -z "${rank[$from]+x}" ]; then
    echo "src/$from/ has no place in the order: give it a rank in $(basename "$0")"
    status=1
    continue
  fi
  while IFS=: read -r file line text; do
    to=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([A-Za-z_]+)\/.*/\1/' <<<"$text")
    [ "$to" = "$from" ] && continue
    [ -d "$src/$to" ] || continue
    echo "$to $from" >>"$edges"
    if [ -z "${rank[$to]+x}" ] || [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
      echo "${file#"$src"/}:$line includes $to/, which is not below $from/: $text"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[A-Za-z_]+/' "$dir" --include='*.h' --include='*.cpp')
done

if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.err"; then
  echo "the folders include one another in a cycle:"
  cat "$edges.err"
  status=1
fi
rm -f "$edges.err"

[ "$status" -eq 0 ] && echo "src/ folders point one way: $(sort -u "$edges" | wc -l) folder-to-folder includes, all downward"
exit "$status"
