#!/usr/bin/env bash
# Regenerates docs/screenshots/connection-*.png: the top bar's keyboard indicator of the
# program on the emulated keyboard (connected, with its tip), of the demo program, unplugged,
# and the notice of an apply that could not reach the keyboard.
# Usage: docs/screenshots/connection-screenshots.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" --target tst_appdesktop
cd "$build/tests"
K3_SCREENSHOTS_DIR="$root/docs/screenshots" QT_QUICK_BACKEND=software \
    "$root/tests/integration/app_desktop/run-on-xvfb.sh" ./tst_appdesktop \
    theKeyboardComesAndGoes aConnectedKeyboardShowsItsNameAndFirmware
