# The real program starts with a file named on the command line, takes typed
# text after a click into the text and saves it with Ctrl+S.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/page.html"
printf '<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n' >"$page"
gui_begin "$page"
# Opening shows the file in its window's Browser page (the preview file is
# written then); F9 returns to the text.
gui_wait_file "$TESSALY_PROGRAM_DIR/~preview.html" "<BODY>" 60 || gui_fail "the opened file was not previewed"
sleep 2
gui_refocus
gui_key F9

gui_click_text
gui_type "smoke"
gui_key ctrl+s
gui_wait_file "$page" "smoke<HTML>" 10 || gui_fail "Ctrl+S did not write the typed text: $(head -c 200 "$page")"
gui_shot saved
gui_pass
