# Shell functions for driving the Windows program under Wine on an X display,
# sourced by scripts/windows_test.sh and scripts/windows_screenshots.sh.
#
# Every run gets a fresh Wine prefix. Wine's own installers stay quiet, the
# one error line that names a missing DLL stays visible, and the program's
# milestones ("tarvik: ...", its debug strings) are shown, so a run is judged
# by the program's own files and log, never by Wine's exit code (a broken
# Wine set-up exits 0 too).

export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG="-all,err+module,warn+debugstr"
TARVIK_X_SCREENSHOT="$(dirname "${BASH_SOURCE[0]}")/x_screenshot.py"

# Where a click lands, in pixels of the GL area (the client area, 640 x 461
# under Wine's 19-pixel menu bar), for the first window size.
KLONDIKE_BUTTON=(553 116)
KLONDIKE_STOCK=(108 68)
KLONDIKE_FIRST_COLUMN=(134 153)  # the face-up card of the first column
MENU_BAR_ROWS=19  # of the first viewport, hidden under the menu bar at 96 DPI

wine_prefix_start() {
    WINEPREFIX="$(mktemp -d /tmp/tarvik-wine.XXXXXX)"
    export WINEPREFIX
    wineboot -i >/dev/null 2>&1 </dev/null
    # Without a window manager Wine draws the frame itself, the same every run.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
}

wine_prefix_end() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}

# run_program FOLDER LOG: starts tarvik-solitaire.exe in FOLDER (as its
# shortcut does), its log in LOG; sets PROGRAM_PID.
run_program() {
    # Not exec'd: the subshell outlives a program the system kills, so
    # that is reported by the program's log alone.
    (cd "$1" && wine ./tarvik-solitaire.exe >"$2" 2>&1 </dev/null; true) 2>/dev/null &
    PROGRAM_PID=$!
}

# wait_for_log LOG TEXT SECONDS: until the log has a line with TEXT.
wait_for_log() {
    local waited=0
    until grep -q "$2" "$1" 2>/dev/null; do
        if [ "$waited" -ge $(($3 * 10)) ]; then
            echo "no \"$2\" in $1 after $3 s:"; tail -20 "$1"
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
}

# wait_for_end PID SECONDS
wait_for_end() {
    local waited=0
    while kill -0 "$1" 2>/dev/null; do
        if [ "$waited" -ge $(($2 * 10)) ]; then
            echo "the program did not end within $2 s"
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Sets MAIN_WINDOW (the X window Wine made for the main window) and GL_AREA
# (its child that shows the GL drawing and covers the client area).
find_main_window() {
    local tree
    tree="$(xwininfo -root -tree)"
    MAIN_WINDOW="$(awk '/"Tarvik Solitaire": \("tarvik-solitaire.exe"/ {print $1; exit}' <<<"$tree")"
    GL_AREA="$(awk -v top="$MAIN_WINDOW" '$1 == top {found = 1; next} found && $1 ~ /^0x/ {print $1; exit}' <<<"$tree")"
    [ -n "$MAIN_WINDOW" ] && [ -n "$GL_AREA" ] || { echo "no main window on the display"; return 1; }
}

# first_size_point DPI X Y: "X Y", where in the GL area at DPI lies what lies
# at (X, Y) at 96 DPI at the first size: the first viewport is 640 x 480
# scaled, its top rows hidden under the menu bar.
first_size_point() {
    local height
    height=$(xwininfo -id "$GL_AREA" | awk '/Height:/ {print $2}')
    echo $(($2 * $1 / 96)) $((($3 + MENU_BAR_ROWS) * $1 / 96 - (480 * $1 / 96 - height)))
}

# caption_double_click DPI: a double click in the middle of the main window's
# caption (12 pixels below its top at 96 DPI), which maximises or restores it.
caption_double_click() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 12 * $1 / 96)) click --repeat 2 --delay 80 1
    sleep 2
}

# click X Y: a left click at (X, Y) of the GL area, the pointer moved there first.
click() {
    xdotool mousemove --window "$GL_AREA" "$1" "$2"
    sleep 0.3
    xdotool click 1
}

# drag X Y TO_X TO_Y: a left press at (X, Y), a move in steps, a release.
drag() {
    xdotool mousemove --window "$GL_AREA" "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.3
    for step in 1 2 3 4; do
        xdotool mousemove --window "$GL_AREA" $(($1 + ($3 - $1) * step / 4)) $(($2 + ($4 - $2) * step / 4))
        sleep 0.1
    done
    xdotool mouseup 1
}

# menu KEY...: opens the menu bar with F10 and walks it by its & letters
# (Wine's menus answer nothing else).
menu() {
    xdotool key F10
    for key in "$@"; do
        sleep 0.3
        xdotool key "$key"
    done
}

# screenshot FILE [WINDOW]: the window (the whole screen without one) as PNG.
screenshot() {
    python3 "$TARVIK_X_SCREENSHOT" "$1" ${2:+"$2"}
}

# check_stats FILE GAMES_DEALT KLONDIKE_LOSSES: the statistics file is whole
# (961 bytes) and holds those counts, every other count 0 and a fresh table.
check_stats() {
    python3 - "$@" <<'PYTHON'
import sys
path, dealt, losses = sys.argv[1], sys.argv[2], sys.argv[3]
try:
    data = open(path, "rb").read()
except OSError as error:
    sys.exit(f"{path}: {error.strerror}")
if len(data) != 961:
    sys.exit(f"{path}: {len(data)} bytes, not 961")
records = [data[i * 31:i * 31 + 31].split(b"\0")[0].decode("latin-1") for i in range(31)]
want = ["0"] * 5 + [losses, "0", "0", "0", "0", dealt] + ["-"] * 10 + ["10000"] * 10
if records != want:
    sys.exit(f"{path}: records {records}, wanted {want}")
print(f"{path}: 961 bytes, {dealt} games dealt, {losses} Klondike loss")
PYTHON
}
