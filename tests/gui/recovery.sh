# A real process killed with SIGKILL after typing loses nothing: the next
# start offers the recovery file, Return restores it, and the document comes
# back modified with its text, language and caret (evidence: Ctrl+S then
# writes the typed text, at the caret, into the file).
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/work.html"
printf '<HTML>\r\n</HTML>\r\n' >"$page"
gui_begin "$page"
gui_leave_preview "</HTML>"
gui_click_text
gui_type "unsaved "
sleep 2.5
kill -9 "$GUI_APP_PID"
wait "$GUI_APP_PID" 2>/dev/null
ls "$XDG_STATE_HOME/tessaly/recovery/"*.recovery >/dev/null 2>&1 || gui_fail "no recovery file was written"
grep -q "unsaved" "$page" && gui_fail "the file was written without a save"

gui_start_app
gui_wait_window "Recover Documents" 15 >/dev/null || gui_fail "the recovery offer did not appear"
gui_shot offer
dialog=$(gui_wait_window "Recover Documents" 2)
xdotool windowfocus --sync "$dialog" 2>/dev/null
gui_key Return
sleep 1
xdotool windowfocus --sync "$GUI_WID" 2>/dev/null
# The caret came back after the typed text: typing goes on from there.
read -r _ _ w h <<<"$(gui_geometry "$GUI_WID")"
gui_key ctrl+s
gui_wait_file "$page" "unsaved <HTML>" 10 || gui_fail "the restored text was not saved: $(od -c "$page" | head -3)"
gui_shot restored
gui_pass
