# The real program follows a file that another program changes: the open,
# unmodified document reloads, so what the user types and saves afterwards
# goes into the new contents, and nothing was asked.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/watched.html"
printf 'old contents\r\n' >"$page"
gui_begin "$page"
gui_leave_preview "old contents"
printf 'new contents from elsewhere\r\n' >"$page.tmp" && mv "$page.tmp" "$page"
sleep 1.5
gui_click_text
gui_type "typed "
gui_key ctrl+s
gui_wait_file "$page" "typed new contents from elsewhere" 10 \
    || gui_fail "the document did not follow the file: $(od -c "$page" | head -5)"
grep -q "old contents" "$page" && gui_fail "the old text came back"
gui_shot reloaded
gui_pass
