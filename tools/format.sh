#!/usr/bin/env bash
# Formats the tree's C++ files with clang-format (.clang-format).
# With --check, changes nothing and fails listing what differs (the CTest test tst_format);
# it is skipped (exit code 77) where clang-format is not installed.
# Usage: tools/format.sh [--check]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if ! command -v clang-format >/dev/null; then
    echo "clang-format not found: the C++ format is not checked"
    exit 77
fi

# The tree's own sources: git's list in a checkout, otherwise every file outside build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path './build*' -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print |
        sed 's|^\./||' | sort)
fi

if [[ "${1:-}" != --check ]]; then
    clang-format -i "${files[@]}"
    exit
fi

echo "checking ${#files[@]} C++ files"
clang-format --dry-run --Werror "${files[@]}"
