#!/usr/bin/env bash
# Builds the game's tests with ThreadSanitizer in build-tsan/ and runs under it the clock tests (the
# clock thread beside the window thread), the headless whole-game tests, the real game on the Qt
# platform, whose clock and puzzle maker run on threads of their own, fresh puzzles made on several
# threads at once, kept games and champions written by two threads, and qbr's check and generate,
# which work on several threads; any race fails.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_TESTS=ON -DQUINTARO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build build-tsan --target ui_tests app_tests play_qtest tools_tests engine_tests storage_tests qbr
cd build-tsan
export QT_QPA_PLATFORM=offscreen QUINTARO_BIN="$PWD" TSAN_OPTIONS="suppressions=$PWD/../tests/tsan.supp halt_on_error=1"
tests/ui_tests --gtest_filter='Clock*' --gtest_brief=1
tests/app_tests --gtest_brief=1
tests/play_qtest -silent
tests/engine_tests --gtest_filter='FreshPuzzle.TheSameNumber*' --gtest_brief=1
tests/storage_tests --gtest_filter='*TwoGames*:*TwoThreads*' --gtest_brief=1
# The other qbr tests run it under a memory limit far below what the sanitizer reserves.
tests/tools_tests --gtest_filter='QbrTest.CheckPasses*:QbrTest.Generate*' --gtest_brief=1
echo "tsan: no data race"
