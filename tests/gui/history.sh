# Two runs of the real program with one config folder: the file open at the
# first exit comes back at the second start (session), and File > Reopen
# opens it again after it was closed. Evidence: text typed into the reopened
# document and saved with Ctrl+S lands in that file.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/kept.html"
printf '<HTML>\r\n</HTML>\r\n' >"$page"

type_and_save() { # click into the text, type at its start, save
    gui_click_text
    gui_type "$1"
    gui_key ctrl+s
    gui_wait_file "$page" "$1" 10
}

gui_begin "$page"
gui_leave_preview "</HTML>"
gui_exit_by_menu || gui_fail "File > Exit did not end the program"
grep -q "$page" "$TESSALY_CONFIG_DIR/Tessaly.ini" || gui_fail "the session was not written"

# Second run, no file named: the session brings the document back.
rm -f "$TESSALY_PROGRAM_DIR/~preview.html"
gui_start_app
gui_leave_preview "</HTML>"
type_and_save "again" || gui_fail "the session did not reopen kept.html: $(cat "$page")"
gui_shot session-restored

# File > Close All, then File > Reopen > 1.
gui_key alt+f
gui_key a
rm -f "$TESSALY_PROGRAM_DIR/~preview.html"
gui_key alt+f
gui_key r
gui_key 1
gui_leave_preview "</HTML>"
type_and_save "more" || gui_fail "File > Reopen > 1 did not open kept.html: $(cat "$page")"
gui_shot reopened
gui_pass
