#!/usr/bin/env bash
# Makes the screenshots of the manual (help/images/) again, from the real
# program in a private virtual display, so they follow the look of the
# program:  scripts/help-screenshots.sh build/src/app/tessaly
here=$(cd "$(dirname "$0")/.." && pwd)
export GUI_ARTIFACTS="$here/help/images"
source "$here/tests/gui/lib.sh"

# The main window's X id. The window gets a new one when the web engine
# first shows a page, so it is looked up again for each picture.
main_window() {
    for id in $(xdotool search --onlyvisible --name "Tessaly"); do
        read -r _ _ ww hh <<<"$(gui_geometry "$id")"; echo "$((ww * hh)) $id"
    done | sort -n | tail -n 1 | cut -d' ' -f2
}

gui_begin
main=$(main_window)
# A document with a little of everything.
gui_key ctrl+n
sleep 1
# Window > Tile: the one document fills the document area.
gui_key alt+w
gui_key t
read -r _ _ w h <<<"$(gui_geometry "$main")"
gui_click "$main" $((w * 2 / 3)) $((h / 2))
gui_key ctrl+End Up Up Up
gui_type "<H1>Welcome</H1>"
gui_key Return
gui_type "<P>A page with a <A HREF=\"next.html\">link</A> and a script:"
gui_key Return
gui_type "<SCRIPT>document.write(\"Hello\");</SCRIPT>"
gui_key Return
sleep 1
import -display "$DISPLAY" -window "$main" "$GUI_ARTIFACTS/main-window.png"

gui_key F9
gui_wait_file "$TESSALY_PROGRAM_DIR/~preview.html" "Welcome" 60 || gui_fail "no preview"
sleep "${GUI_PREVIEW_SETTLE:-8}"
gui_refocus
main=$(main_window)
import -display "$DISPLAY" -window "$main" "$GUI_ARTIFACTS/browser-page.png"
gui_log "screenshots in $GUI_ARTIFACTS"
gui_pass
