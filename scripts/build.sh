#!/usr/bin/env bash
# Configures and builds into a build folder (default build/, Release).
# Usage: scripts/build.sh [build-dir] [extra cmake options...]
# K3_TARGETS="a b": build only these targets (default: all).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${1:-$root/build}
shift || true
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
# shellcheck disable=SC2086 # a list of target names
cmake --build "$dir" -j"$(nproc)" ${K3_TARGETS:+--target $K3_TARGETS}
