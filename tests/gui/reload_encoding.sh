# The real program keeps the encoding the user chose when another program
# changes the file: a page read as Windows-1252 with File > Reopen with
# Encoding (its bytes C3 A9 would pass for UTF-8) is reloaded after an outside
# change in Windows-1252 again, so a u-umlaut typed and saved afterwards is the
# one byte FC and not UTF-8 in the middle of a Windows-1252 file.
source "$(dirname "$0")/lib.sh"

page="$GUI_TMP/latin.html"
printf 'caf\xc3\xa9\r\n' >"$page"
gui_begin "$page"
gui_leave_preview "caf"
gui_key alt+f
gui_key d
gui_key w
sleep 1
printf 'caf\xc3\xa9 2\r\n' >"$page.tmp" && mv "$page.tmp" "$page"
sleep 1.5
gui_click_text
gui_key udiaeresis
gui_key ctrl+s
printf '\xfccaf\xc3\xa9 2\r\n' >"$GUI_TMP/expected"
for _ in $(seq 100); do cmp -s "$page" "$GUI_TMP/expected" && break; sleep 0.1; done
cmp -s "$page" "$GUI_TMP/expected" || gui_fail "the chosen encoding was lost: $(od -c "$page" | head -4)"
gui_shot saved-in-latin
gui_pass
