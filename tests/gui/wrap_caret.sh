# Word wrap on a long line with real key presses: End puts the caret at the
# end of the first wrapped row, where typing goes in at that offset; Home then
# goes to the start of the row the caret is drawn on. The saved file shows
# both: "X" typed after End starts the second row (right after the blank the
# first row ends with) and "H" typed after Home stands in front of it.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/words.txt"
line=$(for i in $(seq -w 1 200); do printf 'w%s ' "$i"; done)
printf '%s\r\nend\r\n' "${line% }" >"$page"
gui_begin "$page"
gui_leave_preview "w001"

# Edit > Properties, the second switch of the Options page is Word wrap.
gui_open_editor_options
gui_key Tab
gui_key space
gui_shot word_wrap_on
gui_key Return
gui_wait_closed "Editor Options" "OK did not close the dialog"
xdotool windowfocus --sync "$GUI_WID" 2>/dev/null || xdotool windowfocus "$GUI_WID"
sleep 0.3

gui_key ctrl+Home
gui_key End
gui_shot caret_at_row_end
gui_type "X"
gui_key Home
gui_type "H"
gui_shot typed
gui_key ctrl+s
gui_wait_file "$page" "X" 10 || gui_fail "Ctrl+S did not write the typed text: $(head -c 200 "$page")"
first=$(head -n 1 "$page")
case "$first" in
    w001\ *) ;;
    *) gui_fail "the first row was changed: ${first:0:80}" ;;
esac
# After a blank, in front of the word that began the second row; not at the
# end of the whole line, which is far wider than the window.
echo "$first" | grep -qE ' HXw[0-9]{3} ' || gui_fail "End and Home did not land on the rows' ends: ${first:0:300}"
case "$first" in
    *w200$'\r') ;;
    *) gui_fail "the line's end moved: ${first: -40}" ;;
esac
gui_pass
