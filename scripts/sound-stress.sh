#!/usr/bin/env bash
# Starts the demo program again and again on a private Xvfb, clicks controls that play sound cues
# as fast as a user can, then quits it with its close button. A start whose window does not show,
# or that does not quit after the clicks, is a hang: the backtraces of all its threads are saved
# (gdb) and the program is killed.
# Usage: scripts/sound-stress.sh [starts (default 500)] [build dir (default build/)]
# Environment: K3_STRESS_CLICKS clicks per start (default 24), K3_STRESS_OUT where logs and
# backtraces go (default a new temporary folder), K3_STRESS_QUIT_S seconds allowed to quit (20),
# K3_STRESS_SOUND_SERVER=1 plays into a private PulseAudio server on a null sink (default: no
# sound server, as on a headless machine).
# A start also fails when its console says more than once that there is no sound output, or
# shows the media system's own complaints, or when the program ends with a failure status. Prints one line per failed start and a closing line
# "N passed, N failed"; exits 1 on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
starts=${1:-500}
build=$(cd "${2:-$root/build}" && pwd)
clicks=${K3_STRESS_CLICKS:-24}
quit_s=${K3_STRESS_QUIT_S:-20}
out=${K3_STRESS_OUT:-$(mktemp -d)}
mkdir -p "$out"
work=$(mktemp -d)
xvfb=
pid=
pulse=
cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$pulse" ] && kill "$pulse" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A copy of the run-time folder, so that the clicks change no file of the build.
cp -r "$build/bin" "$work/bin"
demo=$work/bin/k3config-demo
export HOME=$work/home XDG_RUNTIME_DIR=$work/run QT_QUICK_BACKEND=software QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER
if [ "${K3_STRESS_SOUND_SERVER:-0}" = 1 ]; then
    pulseaudio -n --daemonize=no --exit-idle-time=30 --use-pid-file=no --log-level=error \
        -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" &
    pulse=$!
    for _ in $(seq 100); do [ -S "$work/pulse" ] && break; sleep 0.1; done
    [ -S "$work/pulse" ] || { echo "the sound server did not start" >&2; exit 2; }
    export PULSE_SERVER=unix:$work/pulse
fi

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$(head -n1 "$work/display")"

# Window-relative places that play cues: the three function panels (cue 2), then, on the colour
# panel, its two mode buttons and swatches, and the profile buttons (cue 4).
targets=("73 250" "73 299" "73 348" "205 124" "320 124" "653 122" "707 122" "762 122"
         "959 284" "959 254")
close_button="962 28"

# Saves the backtraces of every thread of the program (when gdb is installed).
backtraces() {
    gdb -p "$pid" -batch -ex 'set pagination off' -ex 'thread apply all bt' >"$1" 2>&1 || true
}

passed=0 failed=0
for run in $(seq "$starts"); do
    log=$out/run-$run.log
    "$demo" >"$log" 2>&1 &
    pid=$!
    if ! win=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n1) || [ -z "$win" ]; then
        echo "run $run: no window within 30 s (backtraces in $out/hang-$run.txt)"
        backtraces "$out/hang-$run.txt"
        kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; pid=
        failed=$((failed + 1))
        continue
    fi
    for i in $(seq "$clicks"); do
        xdotool mousemove --window "$win" ${targets[$(( (i * 7 + run) % ${#targets[@]} ))]} click 1 2>/dev/null || true
        sleep "0.0$((RANDOM % 5))"
    done
    xdotool mousemove --window "$win" $close_button click 1 2>/dev/null || true
    quit=0
    for _ in $(seq $((quit_s * 10))); do
        kill -0 "$pid" 2>/dev/null || { quit=1; break; }
        sleep 0.1
    done
    if [ "$quit" = 1 ]; then
        status=0
        wait "$pid" 2>/dev/null || status=$?
        if [ "$status" != 0 ]; then
            echo "run $run: ended with status $status ($log)"
            failed=$((failed + 1))
        elif [ "$(grep -c 'No sound output' "$log")" -gt 1 ] || grep -q 'qt.multimedia\|PulseAudioService' "$log"; then
            echo "run $run: the console repeats that there is no sound output ($log)"
            failed=$((failed + 1))
        else
            passed=$((passed + 1))
            rm -f "$log"
        fi
    else
        echo "run $run: still running ${quit_s} s after its close button (backtraces in $out/hang-$run.txt)"
        backtraces "$out/hang-$run.txt"
        kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
        failed=$((failed + 1))
    fi
    pid=
done
echo "sound stress: $starts starts with $clicks clicks each, logs in $out"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
