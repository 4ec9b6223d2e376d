# The pages of Editor Options switch with the keyboard in the real program:
# from the first page, Ctrl+Shift+Tab wraps round to the last page and
# Ctrl+PgUp steps back to "Auto correct". An entry added there with real keys
# and confirmed with OK corrects the next word typed, as the saved file shows.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/keys.html"
printf '<HTML>\r\n</HTML>\r\n' >"$page"
gui_begin "$page"
gui_leave_preview "</HTML>"

gui_open_editor_options
gui_key ctrl+shift+Tab
gui_key ctrl+Prior
gui_shot auto_correct_page
gui_add_auto_correct "teh" "the"

gui_refocus
gui_click_text
gui_type "teh "
gui_key ctrl+s
gui_wait_file "$page" "the <HTML>" 10 \
    || gui_fail "the page keys did not reach Auto correct: $(head -c 200 "$page" | od -c | head)"
gui_shot corrected
gui_pass
