#!/usr/bin/env bash
# Formats every C++ file the project tracks with .clang-format: scripts/format.sh [--check]
# With --check nothing is changed; the files that differ are listed and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == --check ]]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
