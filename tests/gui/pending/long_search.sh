# Not yet run by CTest: the bounded search now ends this Find with a message
# box before Escape matters, and the scenario does not yet find that box and
# the Browser page settling after the Open. Run by hand: bash this TESSALY.

# A pathological Find on a document of one long line ends in bounded time
# (here with the engine's "Expression too complex", as the whole search has
# one budget), the window stays alive, the text is unchanged, and the
# program goes on taking keys.
source "$(dirname "$0")/../lib.sh"

size=$((24 << 20))
page="$GUI_TMP/oneline.txt"
head -c "$size" /dev/zero | tr '\0' 'a' >"$page"
GUI_SETTLE=2 gui_begin "$page"
GUI_PREVIEW_SETTLE=10 gui_leave_preview ""

read -r x y w h <<<"$(gui_geometry "$GUI_WID")"
gui_click "$GUI_WID" $((w * 2 / 3)) $((h / 2))
gui_key ctrl+Home
gui_key ctrl+f
dialog=$(gui_wait_window "^Find$" 10) || gui_fail "the Find dialog did not open"
xdotool windowfocus --sync "$dialog" 2>/dev/null
# Every start position of the line scans the rest of it: no shortcut helps.
gui_type 'x?a*[bc]'
xdotool key alt+f
box=$(gui_wait_window "^Orvane Tessaly$" 20) || gui_fail "the search did not end within 20 s"
gui_shot search-ended
xdotool windowfocus --sync "$box" 2>/dev/null
gui_key Return
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
