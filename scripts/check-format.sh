#!/usr/bin/env bash
# Checks that every C++ source and header of the project is formatted as .clang-format says.
# usage: scripts/check-format.sh          (build trees and .git are skipped)
# Lists the files that differ and exits non-zero when there are any; `clang-format -i FILE`
# formats one.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 2; }

mapfile -t files < <(find . \( -path ./.git -o -path ./build -o -path './build-*' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
unformatted=()
for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || unformatted+=("${f#./}")
done
if ((${#unformatted[@]})); then
    printf 'check-format: not formatted: %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
