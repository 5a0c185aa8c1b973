#!/usr/bin/env bash
# Builds the measurements (-DK3_BENCH=ON) and runs them on a private Xvfb display; prints
# one table on standard output, progress on standard error. Takes about 12 minutes after the build.
# Usage: scripts/bench.sh [--quick] [build-dir]   (default build-bench/; --quick: fewer runs,
# for a look only: the goals are set for the full counts)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=""
if [[ "${1:-}" == --quick ]]; then
    mode=quick
    shift
fi
dir=${1:-$root/build-bench}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$dir" -G Ninja -DK3_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target k3bench k3data >&2
# Both programs of the start-up comparison get Qt's defaults, on a real X display.
unset QT_QPA_PLATFORM QT_QUICK_BACKEND
exec "$root/tests/integration/app_desktop/run-on-xvfb.sh" "$dir/bench/k3bench" all $mode
