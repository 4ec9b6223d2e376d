# A big page opens at once: typing right after the window appears lands in
# the text while the rest is still being read or highlighted, Ctrl+End goes
# to the real end of the file, and Ctrl+S saves all of it.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/big.html"
line='<TR><TD CLASS="x">cell</TD><SCRIPT>var a = "b"; /* c */</SCRIPT><!-- note --></TR>'
# About 30 MB of markup and script.
yes "$line" | head -n 400000 | sed 's/$/\r/' >"$page"
gui_begin "$page"
gui_leave_preview ""

cp "$page" "$GUI_TMP/original"
gui_click_text
gui_type "typed"
gui_key ctrl+End
gui_type "END"
gui_key ctrl+s
gui_wait_file "$page" "typed<TR>" 30 || gui_fail "the typed text is not in the saved file: $(head -c 120 "$page")"
gui_wait_file "$page" "END" 30 || gui_fail "the text typed at the end is not in the saved file: $(tail -c 120 "$page")"
{ printf 'typed'; cat "$GUI_TMP/original"; printf 'END'; } >"$GUI_TMP/expected"
cmp -s "$page" "$GUI_TMP/expected" || gui_fail "the saved file is not the page with the typed text: $(stat -c %s "$page") bytes, $(stat -c %s "$GUI_TMP/expected") expected"
gui_shot saved
gui_pass
