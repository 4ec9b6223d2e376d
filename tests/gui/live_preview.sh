# The live preview in the real program, kept across runs: View > Live
# Preview switched on with real keys, the program ended and started again
# with the same config folder, and a new document shows the pane beside its
# text. Evidence: the settings file, and the document window's right half,
# which changes when the pane is switched off again.
source "$(dirname "$0")/lib.sh"

ini="$GUI_TMP/config/Tessaly.ini"

right_half() { # right_half SHOT OUT: the right half of the main window in SHOT
    read -r x y w h <<<"$(gui_geometry "$GUI_WID")"
    convert "$GUI_ARTIFACTS/$1.png" -crop "$((w / 2))x$((h / 2))+$((x + w / 2))+$((y + h / 4))" +repage "$GUI_ARTIFACTS/$2.png"
}

gui_begin
gui_key alt+v
gui_key l
gui_exit_by_menu || gui_fail "File > Exit did not end the program"
grep -q "^Live Preview=true" "$ini" || gui_fail "the live preview was not kept: $(grep -A6 '^\[View\]' "$ini")"

# Second run: the switch is on, and a new document shows the pane.
gui_start_app
gui_key ctrl+n
sleep "${GUI_PREVIEW_SETTLE:-8}"
gui_refocus
gui_shot live-pane-after-restart
gui_key alt+v
gui_key l
sleep 2
gui_shot live-pane-off
right_half live-pane-after-restart with-pane
right_half live-pane-off without-pane
changed=$(compare -metric AE "$GUI_ARTIFACTS/with-pane.png" "$GUI_ARTIFACTS/without-pane.png" null: 2>&1 | awk '{printf "%d", $1}')
[ "${changed:-0}" -gt 1000 ] 2>/dev/null || gui_fail "switching the live preview off changed nothing beside the text ($changed pixels)"
gui_exit_by_menu || gui_fail "File > Exit did not end the program"
grep -q "^Live Preview=false" "$ini" || gui_fail "switching it off was not kept"
gui_pass
