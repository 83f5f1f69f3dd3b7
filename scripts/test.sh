#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit and widget tests, the tool on the
# shipped collections, the game and the installed game under Xvfb, the install tree, and a short
# fuzzing run of the board-file and hall-of-fame readers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j "$(nproc)" --timeout 600)
if [ -x scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh 10
fi
