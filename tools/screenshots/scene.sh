# The scene-*.png pictures: start, settings panel, second skin, Spanish, busy lock and profile
# menu, each from a fresh start. Sourced by run.sh after lib.sh.

prefix=scene

# Window-relative positions of the controls (the scene is 1000 x 600).
settings_button="890 28"
apply_all="579 575"
skin2_choice="931 110"
language_menu="889 194"
spanish_entry="889 237"
profile3="959 315"
color_entry="64 348"

start_demo
shot start
stop_demo

start_demo
click "$settings_button"
shot settings
stop_demo

start_demo
click "$settings_button"
sleep 0.8
click "$skin2_choice"
click "$settings_button"
shot skin2
click "$color_entry"
shot skin2-page
stop_demo

start_demo
click "$settings_button"
sleep 0.8
click "$language_menu"
click "$spanish_entry"
shot spanish-settings
click "$settings_button"
shot spanish
stop_demo

# The busy text blinks: of a few pictures taken during the lock, keep the one where it is brightest.
start_demo
click "$apply_all"
best=0
for i in 1 2 3 4 5; do
    import -window root -crop "200x60+$((wx + 400))+$((wy + 270))" +repage "$work/busy.png"
    level=$(convert "$work/busy.png" -format "%[fx:maxima.intensity]" info:)
    if awk "BEGIN { exit !($level > $best) }"; then
        best=$level
        import -window root -crop "1000x600+$wx+$wy" +repage "$out/scene-busy.png"
    fi
    sleep 0.15
done
echo "wrote docs/screenshots/scene-busy.png"
stop_demo

start_demo
click "$profile3" 3
shot profile-menu keep-pointer 1.3
stop_demo
