#!/usr/bin/env bash
# Builds the fuzzers with clang in build-fuzz/ and runs them for SECONDS in all (default 60): half for
# the record codec, a quarter for the engine on damaged records, which runs slower, and a quarter for
# the hall-of-fame file.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz >build-fuzz/build.log 2>&1 || { tail -n 30 build-fuzz/build.log; echo "fuzz: the harnesses do not build"; exit 1; }

# Working corpora (not committed) start from the committed seeds and, for the board-file fuzzers
# (third argument "collections"), the shipped collections; the seeds themselves are only read.
# Crash inputs land in build-fuzz/.
run() {
  local fuzzer="$1" time="$2" corpus="fuzz/corpus-run/$1" log="build-fuzz/$1.log" status=0
  mkdir -p "$corpus"
  if [ "${3:-}" = collections ]; then
    for f in data/*.qbr; do
      [ -e "$f" ] && cp -n "$f" "$corpus/"
    done
  fi
  echo "== $fuzzer, $time s"
  build-fuzz/"$fuzzer" -max_total_time="$time" -max_len=30000 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$corpus" fuzz/corpus >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "$fuzzer failed (exit $status); the input that broke it is in build-fuzz/, the whole log in $log"
    exit "$status"
  fi
  grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|new_units_added))' "$log"
}
record_time=$(( seconds / 2 > 0 ? seconds / 2 : 1 ))
board_time=$(( seconds / 4 > 0 ? seconds / 4 : 1 ))
hall_time=$(( seconds - record_time - board_time > 0 ? seconds - record_time - board_time : 1 ))
run record_fuzzer "$record_time" collections
run loaded_board_fuzzer "$board_time" collections
run hall_of_fame_fuzzer "$hall_time"
