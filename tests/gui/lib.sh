# Shared steps for the tests that drive the real tessaly binary in a real X
# display: a private Xvfb, a fresh config and program folder, real key presses
# and mouse clicks through xdotool, screenshots as evidence.
#
# A scenario is a bash script beside this file, run by CTest as
#   bash scenario.sh /path/to/tessaly
# It sources this file, calls gui_begin, drives the program and calls
# gui_pass. Any failed check calls gui_fail, which keeps a screenshot and the
# program's output in $GUI_ARTIFACTS for the reader of the failure.
#
# Exit status: 0 passed, 1 failed, 77 skipped (no X server can be started;
# CTest reports that as a skip).

set -u

GUI_APP=${1:?usage: scenario.sh TESSALY_BINARY}
GUI_NAME=$(basename "${BASH_SOURCE[1]:-gui}" .sh)
GUI_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-gui-$GUI_NAME.XXXXXX")
GUI_ARTIFACTS=${GUI_ARTIFACTS:-$GUI_TMP/artifacts}
mkdir -p "$GUI_ARTIFACTS"
GUI_XVFB_PID=
GUI_APP_PID=
GUI_WID=

gui_log() { printf '[%s] %s\n' "$GUI_NAME" "$*"; }

gui_cleanup() {
    [ -n "$GUI_APP_PID" ] && kill "$GUI_APP_PID" 2>/dev/null
    [ -n "$GUI_APP_PID" ] && { sleep 0.3; kill -9 "$GUI_APP_PID" 2>/dev/null; }
    [ -n "$GUI_XVFB_PID" ] && kill "$GUI_XVFB_PID" 2>/dev/null
    if [ "${GUI_KEEP:-0}" != 1 ] && [ "${GUI_FAILED:-0}" != 1 ]; then
        rm -rf "$GUI_TMP"
    fi
}
trap gui_cleanup EXIT

gui_skip() { gui_log "SKIPPED: $*"; exit 77; }

gui_shot() { # gui_shot NAME: a screenshot of the whole screen, NAME.png
    import -display "$DISPLAY" -window root "$GUI_ARTIFACTS/$1.png" 2>/dev/null
}

gui_fail() {
    GUI_FAILED=1
    gui_shot failure
    gui_log "FAILED: $*"
    gui_log "evidence kept in $GUI_ARTIFACTS (screenshot failure.png, app.log)"
    [ -f "$GUI_TMP/app.log" ] && cp "$GUI_TMP/app.log" "$GUI_ARTIFACTS/app.log" && tail -n 20 "$GUI_TMP/app.log"
    exit 1
}

gui_pass() { gui_log "passed"; exit 0; }

# Starts a private X server on a free display (Xvfb picks it and reports it).
gui_start_display() {
    command -v Xvfb >/dev/null || gui_skip "Xvfb is not installed (scripts/install-deps.sh installs it)"
    command -v xdotool >/dev/null || gui_skip "xdotool is not installed (scripts/install-deps.sh installs it)"
    local fifo="$GUI_TMP/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$fifo" 2>"$GUI_TMP/xvfb.log" &
    GUI_XVFB_PID=$!
    local n
    if ! read -r -t 15 n <"$fifo"; then
        gui_skip "no X server could be started: $(tail -n 3 "$GUI_TMP/xvfb.log")"
    fi
    export DISPLAY=":$n"
    gui_log "display $DISPLAY"
}

# Starts the program with a fresh config and program folder and waits for its
# main window; GUI_WID is the main window's X id. Extra arguments go to the
# program (files to open).
gui_start_app() {
    export TESSALY_CONFIG_DIR="$GUI_TMP/config"
    export TESSALY_PROGRAM_DIR="${TESSALY_PROGRAM_DIR:-$GUI_TMP/program}"
    export XDG_DATA_HOME="$GUI_TMP/data" XDG_STATE_HOME="$GUI_TMP/state" XDG_CACHE_HOME="$GUI_TMP/cache"
    export QT_QPA_PLATFORM=xcb
    unset QT_QPA_PLATFORMTHEME
    if [ "$(id -u)" = 0 ]; then export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"; fi
    mkdir -p "$TESSALY_CONFIG_DIR" "$TESSALY_PROGRAM_DIR"
    "$GUI_APP" "$@" >"$GUI_TMP/app.log" 2>&1 &
    GUI_APP_PID=$!
    GUI_WID=$(gui_wait_window "Tessaly" 30) || gui_fail "the main window did not appear"
    # No window manager runs here: give the main window the X input focus as
    # a window manager would on a click, then let the program settle.
    xdotool windowfocus --sync "$GUI_WID" 2>/dev/null || xdotool windowfocus "$GUI_WID"
    sleep "${GUI_SETTLE:-1}"
}

# gui_wait_window TITLE_PATTERN SECONDS: prints the id of the first visible
# window whose title matches, or fails after SECONDS.
gui_wait_window() {
    local pattern=$1 limit=${2:-10} i ids
    for ((i = 0; i < limit * 10; i++)); do
        ids=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)
        if [ -n "$ids" ]; then echo "$ids"; return 0; fi
        kill -0 "$GUI_APP_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Waits up to 10 s for a window named PATTERN and gives it the X focus (there
# is no window manager to do it); its id is left in GUI_DLG. Fails with
# MESSAGE when none appears.
gui_focus_dialog() {
    GUI_DLG=$(gui_wait_window "$1" 10) || gui_fail "$2"
    xdotool windowfocus --sync "$GUI_DLG" 2>/dev/null || xdotool windowfocus "$GUI_DLG"
    sleep 0.5
}

# Opens Edit > Properties (the last item of the Edit menu) and gives the
# "Editor Options" dialog the X focus; its window id is left in GUI_DLG.
gui_open_editor_options() {
    gui_key alt+e
    gui_key Up
    gui_key Return
    gui_focus_dialog "Editor Options" "Edit > Properties did not open Editor Options"
}

# On the "Auto correct" page of Editor Options: &Add a row that corrects WORD
# to REPLACEMENT, then OK. Return ends the edit of the cell and, as the table
# passes it on, presses the dialog's default button; should a style keep the
# key in the table, a second Return does it. Fails when the dialog stays open.
gui_add_auto_correct() {
    gui_key alt+a
    gui_type "$1"
    gui_key Tab
    gui_type "$2"
    gui_shot entry_added
    gui_key Return
    local _
    for _ in $(seq 1 20); do
        xdotool search --onlyvisible --name "Editor Options" >/dev/null 2>&1 || break
        sleep 0.1
    done
    xdotool search --onlyvisible --name "Editor Options" >/dev/null 2>&1 && gui_key Return
    gui_wait_closed "Editor Options" "OK did not close the dialog"
}

# Waits up to 3 s for no visible window to be named PATTERN; fails with
# MESSAGE when one still is.
gui_wait_closed() {
    local pattern=$1 message=$2 i
    for ((i = 0; i < 30; i++)); do
        xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    gui_fail "$message"
}

# Gives the main window the X input focus again, as a window manager would:
# the main window gets a new X window when the web engine first shows a
# page, and without a window manager the focus stays on the root window.
gui_refocus() {
    local wid
    # The largest window of that name: the main window, not the splash.
    wid=$(for id in $(xdotool search --onlyvisible --name "Tessaly" 2>/dev/null); do
        read -r _ _ w h <<<"$(gui_geometry "$id")"; echo "$((w * h)) $id"; done | sort -n | tail -n 1 | cut -d' ' -f2)
    GUI_WID=${wid:-$GUI_WID}
    xdotool windowfocus --sync "$GUI_WID" 2>/dev/null || xdotool windowfocus "$GUI_WID"
    sleep 0.3
}

# After an Open the document's Browser page comes to the front when its
# preview is written; waits for that (the preview holding PATTERN), then
# returns to the text with F9 as a user does.
gui_leave_preview() {
    gui_wait_file "$TESSALY_PROGRAM_DIR/~preview.html" "$1" 60 || gui_fail "the opened file was not previewed"
    # A big page keeps the engine busy for a while, and each busy report
    # brings the Browser page up again: let it settle first.
    sleep "${GUI_PREVIEW_SETTLE:-2}"
    gui_refocus
    gui_key F9
}

# A click into the main window's text (away from its edges), then Ctrl+Home:
# the caret at the start of the active document, as most scenarios begin.
gui_click_text() {
    local w h
    read -r _ _ w h <<<"$(gui_geometry "$GUI_WID")"
    gui_click "$GUI_WID" $((w * 2 / 3)) $((h / 2))
    gui_key ctrl+Home
}

# File > Exit through the menu's keys (Up wraps to its last item); waits up
# to 5 s for the program to end and returns 1 when it does not.
gui_exit_by_menu() {
    local i
    gui_key alt+f
    gui_key Up
    gui_key Return
    for ((i = 0; i < 50; i++)); do
        kill -0 "$GUI_APP_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Real key presses to whatever window has the X focus, as a user types them.
gui_key() { xdotool key --delay 80 "$@"; sleep 0.3; }
gui_type() { xdotool type --delay 40 -- "$1"; sleep 0.3; }

# A real click at a position relative to a window: gui_click WID X Y [BUTTON]
gui_click() {
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click "${4:-1}"
    sleep 0.3
}
gui_double_click() {
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click --repeat 2 --delay 80 "${4:-1}"
    sleep 0.3
}

# gui_wait_file FILE PATTERN SECONDS: waits until FILE exists and holds PATTERN
# (a grep -F string).
gui_wait_file() {
    local file=$1 pattern=$2 limit=${3:-10} i
    for ((i = 0; i < limit * 10; i++)); do
        [ -f "$file" ] && grep -qF -- "$pattern" "$file" && return 0
        sleep 0.1
    done
    return 1
}

# Window geometry as "X Y W H" (absolute position).
gui_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}'
}

gui_begin() {
    gui_start_display
    gui_start_app "$@"
}
