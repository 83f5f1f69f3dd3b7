#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit and widget tests, the tool on the
# shipped collections, the game and the installed game under Xvfb, the install tree, a short run of
# every fuzzer, and the clock and whole-game tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j "$(nproc)" --timeout 600)
if [ -x scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh 35
fi
bash scripts/tsan.sh
