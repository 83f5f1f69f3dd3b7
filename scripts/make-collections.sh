#!/usr/bin/env bash
# Remakes the four puzzle collections in data/ from their recorded seeds, then checks them.
# The same qbr gives byte-identical files. QBR=path/to/qbr uses an existing tool instead of building one.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${QBR:-}" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build --target qbr >/dev/null
  QBR=build/qbr
fi
# level  seed  file
collections=(
  "0 1 leicht"
  "1 2 mittel"
  "2 3 schwer"
  "3 4 extrem"
)
for entry in "${collections[@]}"; do
  read -r level seed name <<<"$entry"
  echo "== data/$name.qbr"
  "$QBR" generate --level "$level" --seed "$seed" --shuffles 500 -o "data/$name.qbr"
done
for entry in "${collections[@]}"; do
  read -r level seed name <<<"$entry"
  minimal=()
  [ "$name" = extrem ] && minimal=(--minimal)
  "$QBR" check "data/$name.qbr" "${minimal[@]}"
done
