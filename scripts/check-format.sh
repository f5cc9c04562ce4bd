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
# One clang-format for all files; its complaints name the file first ("FILE:LINE:COL: error:").
if ! report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
    unformatted=$(sed -n 's|^\./\([^:]*\):[0-9]*:[0-9]*: error: .*|\1|p' <<<"$report" | sort -u)
    if [ -n "$unformatted" ]; then
        sed 's/^/check-format: not formatted: /' <<<"$unformatted" >&2
    else
        echo "check-format: clang-format failed: $report" >&2
    fi
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
