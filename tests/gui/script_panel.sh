# The Script Panel in the real program: a double-click on a library entry
# opens its script file in a new document window. Evidence: the click wrote
# the entry's description page, and text typed into the new window after the
# double-click is saved by Ctrl+S into that very script file.
source "$(dirname "$0")/lib.sh"

export TESSALY_PROGRAM_DIR="$GUI_TMP/program"
mkdir -p "$TESSALY_PROGRAM_DIR/Scripts"
script="$GUI_TMP/banner.html"
printf '<SCRIPT>\r\nbanner();\r\n</SCRIPT>\r\n' >"$script"
# Enough entries, all naming the same script, that the whole list area is
# rows: the double-click cannot land between them.
: >"$TESSALY_PROGRAM_DIR/scriptlist.scl"
for i in $(seq 1 40); do
    printf 'Banner %02d\r\n' "$i" >>"$TESSALY_PROGRAM_DIR/scriptlist.scl"
    printf '[Banner %02d]\nScript Type=Java Script\nDescription=Scrolls a <B>banner</B>\nPath=%s\n' \
        "$i" "$script" >>"$TESSALY_PROGRAM_DIR/Scripts/scriptpref.cfg"
done

gui_begin
read -r x y w h <<<"$(gui_geometry "$GUI_WID")"
gui_click "$GUI_WID" 40 200
gui_wait_file "$TESSALY_PROGRAM_DIR/Scripts/Description.html" "Scrolls a <B>banner</B>" 10 ||
    gui_fail "a click on the list did not show an entry's description"
gui_double_click "$GUI_WID" 40 200
sleep 1
gui_shot opened
# The opened script comes up on its Browser page; F9 returns to its text.
gui_leave_preview "<SCRIPT>"
# Type into the new document window and save it: the text lands in the script.
gui_click_text
gui_type "opened"
gui_key ctrl+s
gui_wait_file "$script" "opened<SCRIPT>" 10 ||
    gui_fail "the double-click did not open the script: $(head -c 200 "$script")"
gui_shot saved
gui_pass
