#!/usr/bin/env bash
# Every parameterised case reads plainly, in ctest's list and in a failure
# message: named by what it is (the scene, the row, the rate) rather than by
# its index, and its parameter printed as words or numbers, never as raw
# bytes or an address.
# Usage: parameters_read_plainly.sh <test program>...
set -u
status=0
cases=0
for program in "$@"; do
  listing=$("$program" --gtest_list_tests) || { echo "FAIL: $program does not list its tests"; exit 1; }
  suite=""
  while IFS= read -r line; do
    if [[ $line != " "* ]]; then
      suite=${line%%.*}
      continue
    fi
    [[ $line == *"GetParam() = "* ]] || continue
    cases=$((cases + 1))
    name=${line%%#*}
    name=${name// /}
    value=${line#*GetParam() = }
    if [[ $name =~ /[0-9]+$ ]]; then
      echo "FAIL: $(basename "$program"): $suite.$name is named by its index only"
      status=1
    fi
    if [[ $value =~ -byte\ object|^0x[0-9a-f]+$ ]]; then
      echo "FAIL: $(basename "$program"): $suite.$name prints its parameter as '${value:0:40}...'"
      status=1
    fi
  done <<<"$listing"
done
[ "$cases" -gt 0 ] || { echo "FAIL: no parameterised case found"; exit 1; }
[ "$status" -eq 0 ] && echo "PASS: $cases parameterised cases, each named and printed plainly"
exit $status
