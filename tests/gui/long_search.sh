# A Replace All over a big document runs for seconds; a real Escape key
# press stops it, the replacements made so far are undone, the program goes
# on taking keys, and the saved text is the original plus what was typed
# afterwards.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/many.txt"
# Every line holds eight matches: far more replacements than a few seconds
# can make, so the Replace All is still running when Escape comes.
yes 'abc abc abc abc abc abc abc abc' | head -n "${GUI_LINES:-300000}" | sed 's/$/\r/' >"$page"
cp "$page" "$GUI_TMP/original.txt"
GUI_SETTLE=2 gui_begin "$page"
GUI_PREVIEW_SETTLE=5 gui_leave_preview "abc"
# The engine takes long over a 10 MB page, and each of its busy reports
# brings the Browser page up again: stop the load with the Browser page's
# Stop button, then return to the Editor page. The window opens at the same
# place on the same screen every time, so the tabs and the button do too.
gui_click "$GUI_WID" 306 121
sleep 0.5
gui_click "$GUI_WID" 311 148
sleep 1
gui_click "$GUI_WID" 239 121
sleep 0.5
gui_shot editor_page

gui_click_text
gui_key ctrl+r
dialog=$(gui_wait_window "^Replace$" 10) || gui_fail "the Replace dialog did not open"
xdotool windowfocus --sync "$dialog" 2>/dev/null
gui_type 'abc'
gui_key alt+p
gui_type 'xyz'

# How many of ten looks over a second find the program's main thread
# running (or waiting for a core): an idle window sleeps in its event loop.
busy_looks() {
    local n=0 i
    for ((i = 0; i < 10; i++)); do
        [ "$(awk '{print $3}' "/proc/$GUI_APP_PID/task/$GUI_APP_PID/stat")" = R ] && n=$((n + 1))
        sleep 0.1
    done
    echo "$n"
}
idle=$(busy_looks)
xdotool key alt+a
busy=$(busy_looks)
gui_log "main thread running in $idle of 10 looks before Replace All, $busy of 10 during it"
gui_shot replacing
# The program is working on the Replace All, not waiting for a key.
[ "$busy" -ge 5 ] || gui_fail "the Replace All did not run (the main thread ran in $busy of 10 looks)"
xdotool key Escape

# The program answers again: a second Escape, once the first has stopped the
# Replace All and its undo is done, closes the dialog.
answered=
for ((i = 1; i <= 300; i++)); do
    sleep 0.2
    kill -0 "$GUI_APP_PID" 2>/dev/null || gui_fail "the program ended"
    if ! xdotool search --onlyvisible --name "^Replace$" >/dev/null 2>&1; then
        answered=1
        break
    fi
    if ((i % 10 == 0)); then
        xdotool windowfocus --sync "$dialog" 2>/dev/null
        xdotool key Escape
    fi
done
[ -n "$answered" ] || gui_fail "the Replace dialog did not close after the Replace All was stopped"
gui_shot stopped

# The text is as it was: a key typed now lands at the start of the first
# line, and the saved file is the original with that key in front.
gui_refocus
gui_key ctrl+Home
gui_type "z"
gui_key ctrl+s
gui_wait_file "$page" "zabc" 60 || gui_fail "Ctrl+S did not write the typed text"
{ printf z; cat "$GUI_TMP/original.txt"; } >"$GUI_TMP/expected.txt"
cmp -s "$page" "$GUI_TMP/expected.txt" || gui_fail "the saved text differs from the original: $(cmp "$page" "$GUI_TMP/expected.txt" 2>&1 | head -c 200)"
gui_shot after
gui_pass
