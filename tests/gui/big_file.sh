# A big page opens at once: typing right after the window appears lands in
# the text while the rest is still being highlighted, and Ctrl+S saves it.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/big.html"
line='<TR><TD CLASS="x">cell</TD><SCRIPT>var a = "b"; /* c */</SCRIPT><!-- note --></TR>'
# About 30 MB of markup and script.
yes "$line" | head -n 400000 | sed 's/$/\r/' >"$page"
gui_begin "$page"
gui_leave_preview ""

gui_click_text
gui_type "typed"
gui_key ctrl+s
gui_wait_file "$page" "typed<TR>" 30 || gui_fail "the typed text is not in the saved file: $(head -c 120 "$page")"
gui_shot saved
gui_pass
