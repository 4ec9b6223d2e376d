# The screen shows the document after Enter in the middle of a page; Ctrl+W
# closes the active document; a reopened dialog takes typed text at once.
# Evidence: two screenshots of the same state (after the edit, and after a
# resize has painted everything again) must match, and the saved file.
source "$(dirname "$0")/lib.sh"
command -v compare >/dev/null || gui_skip "ImageMagick's compare is not installed"

gui_begin

# No window manager runs here: when a dialog closes, give the main window the
# X input focus back as a window manager would.
refocus() { xdotool windowfocus --sync "$GUI_WID" 2>/dev/null || xdotool windowfocus "$GUI_WID"; sleep 0.3; }

# A new page from the template; a click puts the keyboard in its text.
gui_key ctrl+n
read -r x y w h <<<"$(gui_geometry "$GUI_WID")"
gui_click "$GUI_WID" $((w / 2)) $((h / 2))

# Enter in the middle of the title line, then the end of the document.
gui_key ctrl+Home Down Down Right Right Right Right Right Right
gui_key Return
gui_key ctrl+End
sleep 0.5
gui_shot after-edit
# Hiding and showing the window again repaints every line from the document
# itself, with every window where it was.
xdotool windowunmap --sync "$GUI_WID"; sleep 0.5
xdotool windowmap --sync "$GUI_WID"; sleep 1
refocus
gui_shot repainted
diff=$(compare -metric AE "$GUI_ARTIFACTS/after-edit.png" "$GUI_ARTIFACTS/repainted.png" \
    "$GUI_ARTIFACTS/difference.png" 2>&1 >/dev/null)
diff=${diff%% *}
# A few pixels may differ where the caret is drawn; a stale line is hundreds.
[ "${diff%.*}" -le 60 ] 2>/dev/null || gui_fail "the screen after the edit differs from a full repaint in $diff pixels"

# The Link dialog (Ctrl+H): the focus left on another field, cancelled, reopened:
# typed text goes into its first field and Return is OK.
gui_key ctrl+h
gui_wait_window "^Link$" 10 >/dev/null || gui_fail "the Link dialog did not open"
gui_key Tab Tab
gui_key Escape
sleep 0.5
refocus
gui_key ctrl+h
gui_wait_window "^Link$" 10 >/dev/null || gui_fail "the Link dialog did not open again"
gui_type "gui-link"
gui_key Return
sleep 0.5
refocus

# A second document, closed with Ctrl+W: the first one is active again.
gui_key ctrl+n
sleep 0.5
gui_key ctrl+w
sleep 0.5

# Save the remaining document under a name typed into the save dialog.
out="$GUI_TMP/out.html"
gui_key ctrl+s
gui_wait_window "Save As" 10 >/dev/null || gui_fail "Ctrl+S did not ask for a name"
gui_key ctrl+a
gui_type "$out"
gui_key Return
gui_wait_file "$out" "</HTML>" 10 || gui_fail "the document was not saved"
gui_shot saved
grep -qF "gui-link" "$out" || gui_fail "the reopened dialog did not take the typed text: $(cat "$out")"
grep -qF "<TI" "$out" && grep -qF "TLE>Document_Title_Goes_Here" "$out" \
    || gui_fail "the active document is not the edited page: $(cat "$out")"
[ "$(grep -o '</HTML>' "$out" | wc -l)" = 1 ] || gui_fail "</HTML> is not there once: $(cat "$out")"
gui_pass
