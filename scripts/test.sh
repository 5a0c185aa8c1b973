#!/usr/bin/env bash
# Sets up, builds and runs every test headless through CTest.
# Usage: scripts/test.sh [build-dir] [extra cmake options...]
#
# K3_SANITIZERS=1 scripts/test.sh: instead, every test under AddressSanitizer and
# UndefinedBehaviorSanitizer (build folder build-asan/), then the device-link and
# event-monitor tests under ThreadSanitizer (build-tsan/). Any report fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen

if [[ "${K3_SANITIZERS:-0}" == 1 ]]; then
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
    export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:suppressions=$root/tests/tsan.supp}
    "$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK3_SANITIZE=address,undefined
    ctest --test-dir "$root/build-asan" --output-on-failure -j"$(nproc)"
    link_tests='^(tst_blockscrambler|tst_devicecatalogue|tst_devicecommands|tst_devicediscovery|tst_linkfaults|tst_monitorfaults|tst_fuzz_replay_link)$'
    cmake -S "$root" -B "$root/build-tsan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK3_SANITIZE=thread >/dev/null
    cmake --build "$root/build-tsan" -j"$(nproc)" --target tst_blockscrambler tst_devicecatalogue \
        tst_devicecommands tst_devicediscovery tst_linkfaults tst_monitorfaults fuzz_link
    ctest --test-dir "$root/build-tsan" --output-on-failure -R "$link_tests"
    exit
fi

dir=${1:-$root/build}
shift || true
"$root/scripts/build.sh" "$dir" "$@"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
