#!/usr/bin/env bash
# Builds the fuzzers with clang in build-fuzz/ and runs each of them for an equal share of SECONDS
# (default 60) of wall time, as many at once as there are processors.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz >build-fuzz/build.log 2>&1 || { tail -n 30 build-fuzz/build.log; echo "fuzz: the harnesses do not build"; exit 1; }

# Each harness and the folders of fuzz/corpus its seeds come from; "collections" adds the shipped
# puzzle collections.
harnesses=(
  "record_fuzzer board-records text-fields collections"
  "loaded_board_fuzzer board-records collections"
  "solver_paths_fuzzer solver-paths"
  "hall_of_fame_fuzzer hall-of-fame-files"
  "qbr_command_line_fuzzer qbr-command-lines"
  "bounded_read_fuzzer bounded-reads"
  "escape_text_fuzzer escape-texts"
  "kept_games_fuzzer kept-games"
)
parallel=$(nproc)
(( parallel > ${#harnesses[@]} )) && parallel=${#harnesses[@]}
share=$(( seconds * parallel / ${#harnesses[@]} ))
(( share < 1 )) && share=1

# Working corpora (not committed) start from the seeds, which are only read. Paths are absolute: a
# harness may work in a folder of its own. Crash inputs land in build-fuzz/, the exit status in
# build-fuzz/FUZZER.status.
run() {
  local fuzzer="$1" corpus="$root/fuzz/corpus-run/$1" seeds=() status=0
  shift
  mkdir -p "$corpus"
  for folder in "$@"; do
    if [ "$folder" = collections ]; then
      for f in data/*.qbr; do
        [ -e "$f" ] && cp -n "$f" "$corpus/"
      done
    else
      seeds+=("$root/fuzz/corpus/$folder")
    fi
  done
  "build-fuzz/$fuzzer" -max_total_time="$share" -max_len=30000 -print_final_stats=1 \
    -artifact_prefix="$root/build-fuzz/" "$corpus" "${seeds[@]}" >"build-fuzz/$fuzzer.log" 2>&1 || status=$?
  echo "$status" >"build-fuzz/$fuzzer.status"
}

echo "fuzz: ${#harnesses[@]} harnesses, $share s each, $parallel at a time"
for h in "${harnesses[@]}"; do
  while (( $(jobs -rp | wc -l) >= parallel )); do wait -n; done
  read -r -a words <<<"$h"
  rm -f "build-fuzz/${words[0]}.status"
  run "${words[@]}" &
done
wait

failed=0
for h in "${harnesses[@]}"; do
  fuzzer="${h%% *}"
  log="build-fuzz/$fuzzer.log"
  status=$(cat "build-fuzz/$fuzzer.status" 2>/dev/null || echo "no status")
  echo "== $fuzzer"
  if [ "$status" != 0 ]; then
    tail -n 60 "$log"
    echo "$fuzzer failed (exit $status); the input that broke it is in build-fuzz/, the whole log in $log"
    failed=1
    continue
  fi
  grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|new_units_added))' "$log"
done
exit "$failed"
