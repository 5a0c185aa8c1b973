#!/usr/bin/env bash
# Regenerates docs/screenshots/lighting-*.png: the lighting page of the demo program on the
# emulated keyboard: four effects mid-animation and a painted picture in both skins, and the
# page in Spanish.
# Usage: tools/screenshots/lighting-screenshots.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" --target lighting-screenshots
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$build/tools/screenshots/lighting-screenshots" "$root/docs/screenshots"
