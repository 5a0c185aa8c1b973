# Shared by scene.sh and keydefine.sh, which run.sh sources under Xvfb with `build` and `out`
# set: the demo program started on a fresh copy of the run-time folder and driven with real
# pointer events. Each set names its pictures with its own `prefix`.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wx=0
wy=0

# start_demo [skin 1|2] [language position 0|1]: without arguments the shipped settings stay.
start_demo() {
    rm -rf "$work/bin"
    mkdir -p "$work/bin"
    cp -r "$build/bin/k3config-demo" "$build/bin/modules" "$work/bin/"
    cp "$build/bin/Exo-Medium.ttf" "$work/bin/" 2>/dev/null || true
    if [ $# -eq 2 ]; then
        sed -i -e "s/^1=.*/1=$1/" -e "s/^4=.*/4=$2/" "$work/bin/modules/setting/apConfig.bin"
    fi
    "$work/bin/k3config-demo" > "$work/demo.log" 2>&1 &
    demo=$!
    local window
    window=$(xdotool search --sync --onlyvisible --pid "$demo" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wx=$X
    wy=$Y
    sleep 1.5
}

stop_demo() {
    kill "$demo"
    wait "$demo" 2>/dev/null || true
}

# at "x y": a window-relative position on the screen.
at() {
    local x y
    read -r x y <<< "$1"
    echo $((wx + x)) $((wy + y))
}

# click "x y" [button]
click() {
    xdotool mousemove $(at "$1") click "${2:-1}"
    sleep 0.4
}

# shot <name> [keep-pointer] [settle seconds]: the pointer leaves the window so no hover state
# shows, unless asked to keep it.
shot() {
    [ "${2:-}" = "keep-pointer" ] || xdotool mousemove 1270 790
    sleep "${3:-0.9}"
    import -window root -crop "1000x600+$wx+$wy" +repage "$out/$prefix-$1.png"
    echo "wrote docs/screenshots/$prefix-$1.png"
}
