# A pathological Find on a document of one long line: the window stays
# alive, Escape stops the search without a message, the text is unchanged,
# and the program goes on taking keys.
source "$(dirname "$0")/lib.sh"

size=$((24 << 20))
page="$GUI_TMP/oneline.txt"
head -c "$size" /dev/zero | tr '\0' 'a' >"$page"
GUI_SETTLE=2 gui_begin "$page"

read -r x y w h <<<"$(gui_geometry "$GUI_WID")"
gui_click "$GUI_WID" $((w * 2 / 3)) $((h / 2))
gui_key ctrl+Home
gui_key ctrl+f
dialog=$(gui_wait_window "^Find$" 10) || gui_fail "the Find dialog did not open"
xdotool windowfocus --sync "$dialog" 2>/dev/null
# Every start position of the line scans the rest of it: no shortcut helps.
gui_type 'x?a*[bc]'
xdotool key alt+f
sleep 0.8
gui_shot searching
xdotool key Escape
# Stopped: the dialog is open again and answers a second Escape by closing
# (had the search ended with an error box, that box would take this Escape).
sleep 0.5
xdotool key Escape
for ((i = 0; i < 100; i++)); do
    xdotool search --onlyvisible --name "^Find$" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^Find$" >/dev/null 2>&1 && gui_fail "the Find dialog is still open after Escape"
kill -0 "$GUI_APP_PID" 2>/dev/null || gui_fail "the program ended"

# The text is as it was: a key typed now lands at the start of the line.
xdotool windowfocus --sync "$GUI_WID" 2>/dev/null
gui_key ctrl+Home
gui_type "z"
gui_key ctrl+s
gui_wait_file "$page" "za" 20 || gui_fail "Ctrl+S did not write the typed text"
saved=$(stat -c %s "$page")
[ "$saved" -ge $((size + 1)) ] && [ "$saved" -le $((size + 3)) ] || gui_fail "saved size $saved, expected $((size + 1))"
[ "$(tr -d 'a\r\n' <"$page")" = "z" ] || gui_fail "the saved text holds more than the typed z"
gui_shot after
gui_pass
