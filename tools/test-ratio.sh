#!/usr/bin/env bash
# Size of the tests against the program: non-blank lines of .cpp .h .qml .js under tests/
# against app/ device/ emulator/ bridge/ modules/. Prints both counts and the ratio.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

lines() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.qml' -o -name '*.js' \) -print0 |
        xargs -0 cat | grep -c '[^[:space:]]'
}

tests=$(lines tests)
program=$(lines app device emulator bridge modules)
echo "tests $tests, program $program, ratio $(awk "BEGIN { printf \"%.2f\", $tests / $program }")"
