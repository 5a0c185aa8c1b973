#!/usr/bin/env bash
# Regenerates docs/screenshots/firsthour-*.png: what a new user meets first, in the demo program
# (emulated keyboard) under Xvfb, driven with real pointer events: the question before a profile
# is replaced, the file dialogs and the "replace the file?" box on both skins, the 【 】 fields of
# the key and macro pages, the lighting preview's labels on bright and dark keys, and the undo of
# ALL RESET, and the profile menu in Spanish.
#   tools/screenshots-firsthour.sh [build folder]      (default: build)
set -euo pipefail

prefix=firsthour
source "$(dirname "$0")/screenshot-lib.sh"

# Window-relative positions (the scene is 1000 x 600).
profile2="959 285"
profile3="959 315"
profile3_load="893 309"
profile3_save="893 329"
confirm_yes="442 318"
key_entry="64 250"
macro_entry="64 299"
color_entry="64 348"
key_caps="191 351"
kind_keyboard="253 124"
macro_first="200 190"
reset_all="412 575"
export_target="$work/exported.pf"

# screen <name>: the whole screen, for dialogs that stand beside the window.
screen() {
    sleep 1
    import -window root "$out/$prefix-$1.png"
    echo "wrote docs/screenshots/$prefix-$1.png"
}

for skin in 1 2; do
    start_demo "$skin" 0
    click "$profile3" 3
    sleep 1
    click "$profile3_load"
    shot "confirm-skin$skin" keep-pointer
    click "$confirm_yes"
    screen "open-dialog-skin$skin"
    xdotool key Escape
    sleep 0.5
    # Exporting onto a file that exists asks before replacing it.
    : > "$export_target"
    click "$profile3" 3
    sleep 1
    click "$profile3_save"
    sleep 1
    xdotool type --delay 20 "$export_target"
    xdotool key Return
    screen "replace-skin$skin"
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
    stop_demo
done

start_demo 1 0
click "$key_entry"
sleep 0.6
click "$key_caps"
click "$kind_keyboard"
click "$kind_keyboard"
shot brackets-keydefine
click "$key_entry"
sleep 0.6
click "$macro_entry"
sleep 0.6
click "$macro_first"
shot brackets-macro
click "$macro_entry"
sleep 0.6
click "$color_entry"
shot labels-bright 0 1.5
click "$reset_all"
shot undo-reset 0 1.2
stop_demo

# Spanish, profile 2: its ripple leaves the keys dark until one is pressed, so the labels stand on dark caps.
start_demo 1 1
click "$profile2"
click "$color_entry"
shot labels-dark-es 0 2
click "$profile3" 3
shot profile-menu-es keep-pointer 1.3
stop_demo
