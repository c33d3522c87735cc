#!/usr/bin/env bash
# mosuo-cli against the standard byte-wise tools, as whole processes on the
# same generated file. Each figure is the best of three runs.
#   bench/compare_tools.sh BUILD_DIR [MEGABYTES]
set -euo pipefail
build=${1:?build folder, for example build/default}
size=${2:-100}
cli=$build/cli/mosuo-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/write_corpus" "$size" > "$work/corpus.txt"

best_of_three() {  # prints the best wall time of the command, in seconds
  local best=999999 start end t
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    bash -c "$1" < "$work/corpus.txt" > /dev/null
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc)
    if (( $(echo "$t < $best" | bc) )); then best=$t; fi
  done
  echo "$best"
}

compare() {  # label, our command, their command
  local ours theirs
  ours=$(best_of_three "$2")
  theirs=$(best_of_three "$3")
  printf '%-34s mosuo-cli %6.3f s   %-22s %6.3f s   ratio %5.2f\n' \
    "$1" "$ours" "$(cut -c1-22 <<< "$3")" "$theirs" "$(echo "$theirs / $ours" | bc -l)"
}

echo "corpus: $size MB"
compare "spaces" "$cli spaces" "tr -d ' '"
compare "repeated-lines" "$cli repeated-lines --case-sensitive" "awk '!seen[\$0]++'"
compare "hex" "$cli hex" "xxd -p"
compare "hex" "$cli hex" "od -An -tx1"
compare "upper" "$cli upper" "tr a-z A-Z"
