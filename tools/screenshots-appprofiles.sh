#!/usr/bin/env bash
# Regenerates docs/screenshots/appprofiles-*.png: the rules that switch the keyboard's profile
# with the application in front, in English and Spanish, with two open windows to choose from.
#   tools/screenshots-appprofiles.sh [build folder]      (default: build)
set -euo pipefail

prefix=appprofiles
source "$(dirname "$0")/screenshot-lib.sh"

# Window-relative positions of the controls (the scene is 1000 x 600).
settings_button="890 28"
opener="928 72"
switch_on="931 106"
others_menu="889 134"
others_p04="889 237"
windows_menu="889 162"
windows_first="889 185"
windows_second="889 205"
name_field="800 190"
add_button="940 190"
first_rule_p03="892 219"

openbox --sm-disable > /dev/null 2>&1 &
windows=$!
xmessage -name firefox firefox > /dev/null 2>&1 &
windows="$windows $!"
xmessage -name steam steam > /dev/null 2>&1 &
windows="$windows $!"
trap 'kill $windows 2>/dev/null; rm -rf "$work"' EXIT
xdotool set_window --class firefox "$(xdotool search --sync --classname firefox | head -n 1)"
xdotool set_window --class Steam "$(xdotool search --sync --classname steam | head -n 1)"

# rules <name>: the same three rules made through the editor.
rules() {
    click "$settings_button"
    sleep 0.8
    click "$opener"
    click "$switch_on"
    click "$others_menu"
    click "$others_p04"
    for entry in "$windows_first" "$windows_second"; do
        click "$windows_menu"
        click "$entry"
        click "$add_button"
    done
    click "$first_rule_p03"
    click "$name_field"
    xdotool type --delay 40 "dota2"
    click "$add_button"
    shot "$1"
}

start_demo 1 0
rules en
stop_demo

start_demo 1 1
rules es
stop_demo
