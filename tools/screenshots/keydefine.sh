# The keydefine-*.png pictures: the key assignment page in both skins and languages, with
# drags and menus open; skin and language are set in the copy's settings file. Sourced by
# run.sh after lib.sh.

prefix=keydefine

# Window-relative positions (the scene is 1000 x 600; the page area starts at 127, 96).
key_entry="64 250"
kind_keyboard="253 124"
kind_media="352 124"
kind_macro="452 124"
second_menu="625 124"
media_mute="560 232"
macro_third="560 192"
key_caps="191 351"
key_a="234 351"
key_b="378 383"
key_mute="781 216"

# drag_to <from> <to>: press on a key and move it over a target, keeping the button down.
drag_to() {
    local tx ty
    read -r tx ty <<< "$(at "$2")"
    xdotool mousemove $(at "$1") mousedown 1
    sleep 0.2
    xdotool mousemove $((tx - 60)) $((ty + 60))
    sleep 0.2
    xdotool mousemove "$tx" "$ty"
    sleep 0.3
}

drop() {
    xdotool mouseup 1
    sleep 0.4
}

# A page with work in it: A plays MUTE, Caps Lock types B (both marked as changed), Caps selected.
edited_page() {
    click "$key_entry"
    sleep 0.6
    click "$key_a"
    click "$kind_media"
    click "$second_menu"
    click "$media_mute"
    click "$key_caps"
    drag_to "$key_b" "$second_menu"
    drop
}

for skin in 1 2; do
    for language in 0 1; do
        start_demo "$skin" "$language"
        edited_page
        shot "skin$skin-$([ "$language" = 0 ] && echo en || echo es)"
        stop_demo
    done
done

start_demo 1 0
click "$key_entry"
sleep 0.6
click "$key_caps"
drag_to "$key_b" "$second_menu"
shot drag-accepted keep-pointer
drop
drag_to "$key_mute" "$second_menu"
shot drag-refused keep-pointer
drop
click "$key_a"
click "$kind_media"
click "$second_menu"
shot media-menu keep-pointer
stop_demo

start_demo 2 1
click "$key_entry"
sleep 0.6
click "$key_a"
click "$kind_macro"
click "$second_menu"
click "$macro_third"
shot macro
stop_demo
