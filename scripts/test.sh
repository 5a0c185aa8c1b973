#!/usr/bin/env bash
# Sets up, builds and runs every test headless through CTest.
# Usage: scripts/test.sh [build-dir] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${1:-$root/build}
shift || true
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$dir" "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
