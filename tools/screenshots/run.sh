#!/usr/bin/env bash
# Regenerates the pictures in docs/screenshots/ from the demo program on the emulated keyboard,
# under a private Xvfb. Every set works on a fresh copy of the run-time folder, so no settings
# file of the build is changed.
# Usage: tools/screenshots/run.sh [build folder] [set...]      (default: build, every set)
#   scene, keydefine, firsthour, appprofiles   the demo program driven with real pointer events
#                                              (scene.sh, keydefine.sh, firsthour.sh, appprofiles.sh)
#   lighting, macro                            the programs of this folder, built on the tests'
#                                              whole-program fixtures
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build}
shift || true
sets=("$@")
((${#sets[@]})) || sets=(scene keydefine firsthour appprofiles lighting macro)
out=$root/docs/screenshots

if [[ -z "${K3_SHOTS_UNDER_XVFB:-}" ]]; then
    [[ -f "$build/CMakeCache.txt" ]] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
    cmake --build "$build" --target k3config-demo k3data lighting_screenshots macro_screenshots
    mkdir -p "$out"
    K3_SHOTS_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "${sets[@]}"
fi

build=$(cd "$build" && pwd)
for set in "${sets[@]}"; do
    case $set in
    scene | keydefine | firsthour | appprofiles)
        (
            source "$here/lib.sh"
            source "$here/$set.sh"
        )
        ;;
    lighting)
        QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$build/tools/lighting_screenshots" "$out"
        ;;
    macro)
        QT_QPA_PLATFORM=xcb "$build/tools/macro_screenshots" "$out"
        ;;
    *)
        echo "unknown set: $set (scene, keydefine, firsthour, appprofiles, lighting, macro)" >&2
        exit 2
        ;;
    esac
done
