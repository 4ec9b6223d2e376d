# A new user's first minutes with real key presses and no click into the
# text: start with a file and type at once, Ctrl+N and type at once, save
# with Ctrl+S, switch documents with Ctrl+Tab and type, and leave through
# the close queries answering N, which leaves the file as it was saved.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/page.html"
printf '<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n' >"$page"
gui_begin "$page"
gui_shot started

# Opening brings the file's Browser page up; F9 returns to the text with the
# keyboard focus in it, and typing goes in at once.
gui_leave_preview "<BODY>"
gui_type "one"
gui_key ctrl+s
gui_wait_file "$page" "one<HTML>" 10 || gui_fail "typing after start went nowhere: $(head -c 100 "$page")"

# A new document takes typing at once too; Ctrl+Tab goes back to the file.
gui_key ctrl+n
gui_type "two"
gui_shot new-document
gui_key ctrl+Tab
gui_type "three"
gui_key ctrl+s
gui_wait_file "$page" "onethree<HTML>" 10 || gui_fail "Ctrl+Tab and typing did not reach the file: $(head -c 100 "$page")"
saved=$(cat "$page")

# Unsaved typing in the file, then Exit from the File menu: each modified
# document asks; N closes it unsaved. Two questions prove that the new
# document took the typing as well.
gui_type "four"
gui_key alt+f
gui_key Up
gui_key Return
for doc in 1 2; do
    box=$(gui_wait_window "^Orvane Tessaly$" 10) || gui_fail "close query $doc did not appear"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    gui_shot "close-query-$doc"
    gui_key n
done
for ((i = 0; i < 100; i++)); do
    kill -0 "$GUI_APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$GUI_APP_PID" 2>/dev/null && gui_fail "the program did not exit after the close queries"
GUI_APP_PID=
[ "$(cat "$page")" = "$saved" ] || gui_fail "answering N changed the file: $(head -c 100 "$page")"
gui_pass
