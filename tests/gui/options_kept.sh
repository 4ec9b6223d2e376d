# What Editor Options keeps across runs: an auto-correct entry added with real
# keys and confirmed with OK is still there after File > Exit and a new start
# with the same config folder. Evidence: the word typed in the second run and
# saved with Ctrl+S comes out corrected in the file.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/kept.html"
printf '<HTML>\r\n</HTML>\r\n' >"$page"

gui_begin "$page"
gui_leave_preview "</HTML>"

# Edit menu, up to its last item (Properties), Return.
gui_open_editor_options
# A click on the fifth tab, "Auto correct" (the dialog opens at a fixed
# size, so its tabs sit at fixed places).
gui_click "$GUI_DLG" 455 24
gui_shot auto_correct_page
gui_add_auto_correct "teh" "the"
grep -q "Editor Extras - HTML" "$TESSALY_CONFIG_DIR/registry.ini" 2>/dev/null \
    || gui_fail "OK did not write the lists: $(cat "$TESSALY_CONFIG_DIR/registry.ini" 2>&1 | head -c 300)"

# File > Exit through the menu's keys (Up wraps to its last item).
gui_refocus
gui_key alt+f
gui_key Up
gui_key Return
for _ in $(seq 50); do kill -0 "$GUI_APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GUI_APP_PID" 2>/dev/null && gui_fail "File > Exit did not end the program"

# Second run with the same config folder: the session brings the page back.
rm -f "$TESSALY_PROGRAM_DIR/~preview.html"
gui_start_app
gui_leave_preview "</HTML>"
gui_click_text
gui_type "teh "
gui_key ctrl+s
gui_wait_file "$page" "the <HTML>" 10 \
    || gui_fail "the auto-correct entry was not kept: $(head -c 200 "$page" | od -c | head)"
gui_shot corrected
gui_pass
