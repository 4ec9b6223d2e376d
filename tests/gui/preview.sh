# The preview in the real program: F9 on a new document shows the Browser
# page (the preview file is written), F9 again returns to the text with the
# keys going there, and the next F9 previews what was typed.
source "$(dirname "$0")/lib.sh"

gui_begin
preview="$TESSALY_PROGRAM_DIR/~preview.html"

gui_key ctrl+n
sleep 1
gui_key F9
gui_wait_file "$preview" "Document_Title_Goes_Here" 60 || gui_fail "F9 did not write the preview"
# The engine paints the page once it has loaded it.
sleep "${GUI_PREVIEW_SETTLE:-8}"
gui_shot browser-page
gui_refocus

gui_key F9
gui_type "typed-after-preview"
gui_key F9
gui_wait_file "$preview" "typed-after-preview" 60 || gui_fail "the text typed after F9 did not reach the editor: $(head -c 300 "$preview")"
gui_key F9
gui_shot back-in-editor
gui_pass
