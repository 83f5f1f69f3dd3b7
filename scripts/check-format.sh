#!/usr/bin/env bash
# Fails when a C++ file of the project differs from the style in .clang-format, naming the files that do.
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(app bench engine fuzz platform storage tests tools ui)
mapfile -d '' files < <(find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  grep -o '^[^:]*\.\(cpp\|h\)' <<<"$report" | sort -u | sed 's/^/not formatted: /'
  echo "to fix: find ${folders[*]} -name '*.cpp' -o -name '*.h' | xargs clang-format -i"
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format says"
