#!/usr/bin/env bash
# Builds the programs and the Debian package into a build folder (default build/) and
# checks the package with lintian. Prints the package's path last.
# Usage: scripts/package.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${1:-$root/build}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j"$(nproc)" --target k3config k3config-demo k3docs
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$dir"/k3config_*.deb | head -n1)
lintian --info --display-info "$deb" >&2
echo "$deb"
