#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in build/, which holds the collections and help pages.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build
exec ./quintaro
