# Cancelling File > Save As with Escape leaves the document as it was: Ctrl+S
# still saves the typed text under the page's own name.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/page.html"
printf '<HTML>\r\n</HTML>\r\n' >"$page"
gui_begin "$page"
gui_leave_preview "HTML"

gui_click_text
gui_type "typed"
# File menu, Save As by its mnemonic (shared with Close All, so it only
# selects the item: Return runs it), then Escape in the file dialog.
gui_key alt+f
gui_key a
gui_key Return
gui_focus_dialog "Save As" "File > Save As did not open the file dialog"
gui_shot save_as
gui_key Escape
gui_wait_closed "Save As" "Escape did not close the Save As dialog"

gui_refocus
gui_key ctrl+s
gui_wait_file "$page" "typed" 10 || gui_fail "Ctrl+S after a cancelled Save As did not save: $(head -c 200 "$page" | od -c | head)"
printf 'typed<HTML>\r\n</HTML>\r\n' >"$GUI_TMP/expected"
cmp -s "$page" "$GUI_TMP/expected" || gui_fail "the saved file is not the typed text: $(od -c "$page" | head -4)"
[ "$(ls "$GUI_TMP" | grep -c '\.html$')" = 1 ] || gui_fail "another file was written: $(ls "$GUI_TMP")"
gui_shot saved
gui_pass
