#!/usr/bin/env bash
# Screenshots of the Windows program under Wine, for review (not a test):
#   scripts/windows_screenshots.sh DIR [DPI]
# DPI is the display's (LogPixels: 96 at 100 % scaling, the default; 144 at
# 150 %, 192 at 200 %).
# The main menu, a dealt Klondike, a card held, the open Game menu, the statistics and
# high-score dialogs, the About box (and its link with the pointer over it),
# the name entry, at the first size and maximised, as PNG files in DIR.
# Needs build-win64 (scripts/windows.sh); runs on Xvfb when no display is set.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out="$(realpath -m "${1:?the folder for the screenshots}")"
dpi=${2:-96}
if [ -z "${DISPLAY:-}" ]; then
    screen=1280x1024
    [ "$dpi" -le 96 ] || screen=1920x1200
    exec xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$@"
fi
mkdir -p "$out"
. tests/win32/wine_session.sh
work="$(mktemp -d /tmp/tarvik-windows-shots.XXXXXX)"
trap 'wine_prefix_end; rm -rf "$work"' EXIT
cp -r build-win64/game "$work/game"
rm -f "$work/game/stats.hsf"
# Wine's own temporary folders go into this run's folder and leave with it.
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
wine_prefix_start
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null

shot() {  # name [window]: the whole screen unless a window is given
    sleep "${SETTLE:-1}"
    screenshot "$out/$1.png" ${2:+"$2"}
    echo "$out/$1.png"
}

log="$work/run.log"
run_program "$work/game" "$log"
wait_for_log "$log" "tarvik: first frame" 60
find_main_window
shot 01-main-menu "$MAIN_WINDOW"
click $(first_size_point "$dpi" "${KLONDIKE_BUTTON[@]}")
SETTLE=4 shot 02-klondike "$MAIN_WINDOW"
# A card held under the pointer (the move cursor is not in the picture).
xdotool mousemove --window "$GL_AREA" $(first_size_point "$dpi" "${KLONDIKE_FIRST_COLUMN[@]}") \
    sleep 0.3 mousedown 1 sleep 0.3
xdotool mousemove --window "$GL_AREA" $((250 * dpi / 96)) $((300 * dpi / 96)) sleep 0.2 \
    mousemove --window "$GL_AREA" $((320 * dpi / 96)) $((360 * dpi / 96))
shot 02-klondike-card-held "$MAIN_WINDOW"
xdotool mouseup 1
menu g
shot 03-game-menu
xdotool key Escape Escape
menu g s
shot 04-statistics
xdotool key Return
menu g h
shot 05-high-scores
xdotool key Return
menu h a
shot 06-about
# The link, with the pointer over it: underlined, a hand.
about="$(xdotool search --name '^About$' | head -n 1)"
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 14 * dpi / 96))
shot 07-about-link-pointed
xdotool key Return

# Maximised by a double click on the caption.
caption_double_click "$dpi"
SETTLE=3 shot 08-klondike-maximised
menu g s
shot 09-statistics-maximised
xdotool key Return
menu g h
shot 09-high-scores-maximised
xdotool key Return
menu h a
shot 09-about-maximised
xdotool key Return
menu g m
SETTLE=2 shot 10-main-menu-maximised
menu g x
wait_for_log "$log" "tarvik: ended" 20

# The name entry comes only after a won game: shown by itself, filled in.
(cd "$work/game" && wine "$root/build-win64/tests/resource_check.exe" --show 135 4 >/dev/null 2>&1 &)
sleep 2.5
shot 11-name-entry
sleep 2
