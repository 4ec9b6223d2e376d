# The real program keeps each file's bytes: a Windows-1252 (Latin-1) page
# with mixed line breaks and an LF page are opened, typed into and saved with
# Ctrl+S. Each saved file is the old one with only the typed bytes added, in
# its own encoding (the typed e-acute is the one byte E9) and its line breaks
# (the mixed page's single CR LF becomes LF, its majority).
source "$(dirname "$0")/lib.sh"

unix="$GUI_TMP/unix.html"
latin="$GUI_TMP/latin.html"
printf '<p>unix one</p>\n<p>unix two</p>\n' >"$unix"
printf '<p>latin d\xe9j\xe0</p>\n<p>caf\xe9</p>\r\n<p>end</p>\n' >"$latin"

type_and_save() { # click into the text, type at its start, save
    gui_click_text
    gui_type "$1"
    if [ -n "${2:-}" ]; then gui_key "$2"; fi
    gui_key ctrl+s
}

expect_bytes() { # expect_bytes FILE EXPECTED-FILE WHAT
    for _ in $(seq 100); do cmp -s "$1" "$2" && return 0; sleep 0.1; done
    gui_fail "$3 was not kept: $(od -c "$1" | head -8)"
}

gui_begin "$latin"
gui_leave_preview "end"
type_and_save "Voil" eacute
printf 'Voil\xe9<p>latin d\xe9j\xe0</p>\n<p>caf\xe9</p>\n<p>end</p>\n' >"$GUI_TMP/latin.expected"
expect_bytes "$latin" "$GUI_TMP/latin.expected" "the Latin-1 page"
gui_shot latin-saved
gui_exit_by_menu || gui_fail "File > Exit did not end the program"

# A second run with only the LF page (no session to bring the first back).
rm -f "$TESSALY_CONFIG_DIR/Tessaly.ini" "$TESSALY_PROGRAM_DIR/~preview.html"
gui_start_app "$unix"
gui_leave_preview "unix two"
type_and_save "typed "
printf 'typed <p>unix one</p>\n<p>unix two</p>\n' >"$GUI_TMP/unix.expected"
expect_bytes "$unix" "$GUI_TMP/unix.expected" "the LF page"
gui_shot unix-saved
gui_pass
