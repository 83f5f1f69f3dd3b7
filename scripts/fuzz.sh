#!/usr/bin/env bash
# Builds the board-file fuzzer with clang in build-fuzz/ and runs it for SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target record_fuzzer >/dev/null
# The working corpus (not committed) starts from the committed seeds and the shipped collections;
# the seeds themselves are only read.
mkdir -p fuzz/corpus-run
for f in data/*.qbr; do
  [ -e "$f" ] && cp -n "$f" fuzz/corpus-run/
done
exec build-fuzz/record_fuzzer -max_total_time="$seconds" -max_len=30000 -print_final_stats=1 \
  fuzz/corpus-run fuzz/corpus
