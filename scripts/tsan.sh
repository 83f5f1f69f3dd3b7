#!/usr/bin/env bash
# Builds the ui tests with ThreadSanitizer in build-tsan/ and runs the clock tests under it; any race fails.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_TESTS=ON -DQUINTARO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build build-tsan --target ui_tests
QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp halt_on_error=1" \
  build-tsan/tests/ui_tests --gtest_filter='Clock*'
