#!/usr/bin/env bash
# Configures and builds Quintaro, its tools, tests and benchmarks into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
# CI builds with warnings as errors, so a new warning fails the run instead of scrolling past.
werror=OFF
if [ "${CI:-}" = true ]; then werror=ON; fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTARO_WERROR="$werror" >/dev/null
cmake --build build -j "$(nproc)"
