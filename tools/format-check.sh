#!/usr/bin/env bash
# Fails when a C++ file under src, tests, tools or bench differs from what the
# checked-in .clang-format makes of it. Run from anywhere:
#   tools/format-check.sh [clang-format program]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
format="${1:-clang-format}"
cd "$root"
mapfile -t files < <(find src tests tools bench -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
"$format" --dry-run -Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
