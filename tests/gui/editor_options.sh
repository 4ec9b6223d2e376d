# Edit > Properties opens "Editor Options" in the real program; switching
# Auto indent off on its Options page and pressing OK changes what typing
# does, as the saved file shows.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/page.html"
printf '<HTML>\r\n</HTML>\r\n' >"$page"
gui_begin "$page"
gui_leave_preview ""

gui_click_text
# Before: the new line takes the indent of the line above.
gui_type "  a"
gui_key Return
gui_type "b"
gui_key Return

# Edit menu, up to its last item (Properties), Return.
gui_open_editor_options
gui_shot options
# The first check box has the focus; the third one is Auto indent.
gui_key Tab
gui_key Tab
gui_key space
gui_shot auto_indent_off
gui_key Return
gui_wait_closed "Editor Options" "OK did not close the dialog"

xdotool windowfocus --sync "$GUI_WID" 2>/dev/null || xdotool windowfocus "$GUI_WID"
sleep 0.3
gui_key ctrl+Home
gui_type "  x"
gui_key Return
gui_type "y"
gui_key ctrl+s
gui_wait_file "$page" "y" 10 || gui_fail "Ctrl+S did not write the typed text: $(head -c 200 "$page")"
grep -qF -- $'  x\r\ny' "$page" || gui_fail "auto indent still on after OK: $(head -c 200 "$page" | od -c | head)"
grep -qF -- $'  a\r\n  b' "$page" || gui_fail "auto indent was not on before: $(head -c 200 "$page" | od -c | head)"
gui_shot saved
gui_pass
