#!/usr/bin/env bash
# Builds the fuzz targets with clang + libFuzzer (ASan, UBSan) into build-fuzz/ and runs
# each for a given time, two at a time at most. New inputs go to build-fuzz/corpus/<target>/
# (seeded from fuzz/corpus/<target>/), findings to build-fuzz/artifacts/<target>/; the summary
# counts the findings of this run.
# Usage: scripts/fuzz.sh [seconds per target, default 600] [target...]
#        targets: settings macro tables language link (default: all)
# Environment: K3_FUZZ_JOBS (targets run at once, default 2), K3_FUZZ_DIR (build folder).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-600}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(settings macro tables language link)
dir=${K3_FUZZ_DIR:-$root/build-fuzz}
jobs=${K3_FUZZ_JOBS:-2}

# What the normal build needs, then clang and its libFuzzer runtime.
"$root/scripts/setup.sh"
missing=()
for pkg in clang libclang-rt-dev; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DK3_FUZZ=ON -DK3_SANITIZE=address,undefined >/dev/null
cmake --build "$dir" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen
# The targets write scratch files; memory is faster than the disk.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm

run() {
    local t=$1
    mkdir -p "$dir/corpus/$t" "$dir/artifacts/$t" "$dir/logs"
    "$dir/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$dir/artifacts/$t/" "$dir/corpus/$t" "$root/fuzz/corpus/$t" \
        >"$dir/logs/$t.log" 2>&1 || true
}

stamp=$(mktemp)
for t in "${targets[@]}"; do
    while (($(jobs -rp | wc -l) >= jobs)); do
        wait -n || true
    done
    echo "fuzzing $t for ${seconds}s (log: $dir/logs/$t.log)"
    run "$t" &
done
wait

status=0
printf '%-10s %14s %10s %9s\n' target executions corpus findings
for t in "${targets[@]}"; do
    execs=$(grep -ho 'stat::number_of_executed_units: *[0-9]*' "$dir/logs/$t.log" | grep -o '[0-9]*$' | tail -1)
    corpus=$(find "$dir/corpus/$t" -type f | wc -l)
    findings=$(find "$dir/artifacts/$t" -type f -newer "$stamp" | wc -l)
    printf '%-10s %14s %10s %9s\n' "$t" "${execs:-?}" "$corpus" "$findings"
    ((findings == 0)) || status=1
done
rm -f "$stamp"
exit $status
