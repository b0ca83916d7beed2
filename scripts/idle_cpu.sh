#!/usr/bin/env bash
# Processor time of whole programs at rest, from outside, on the display in
# DISPLAY (scripts/measure.sh runs it under Xvfb): this program on its main
# menu and on a dealt Klondike, pointer still, and AisleRiot on its Klondike.
# CPU seconds (user + system, all threads) per 10 s of wall time.
#   scripts/idle_cpu.sh GAME_FOLDER [LABEL]
set -euo pipefail
GAME="$1"
LABEL="${2:-this program}"
TICKS=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# CPU seconds per 10 s of process $1 over the next 10 s.
cpu_per_10s() {
    local before after
    before=$(cpu_ticks "$1")
    sleep 10
    after=$(cpu_ticks "$1")
    awk -v a="$before" -v b="$after" -v t="$TICKS" 'BEGIN { printf "%.2f s", (b - a) / t }'
}
wait_for_window() {  # name; prints the window id
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.2
    done
    echo "$id"
}

# This program, in a scratch copy of its folder, so no statistics are touched.
WORK=$(mktemp -d /tmp/tarvik-idle-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
for f in "$GAME"/*; do ln -s "$(realpath "$f")" "$WORK/"; done
# The program is copied: a link would have it run in the folder it points to.
rm -f "$WORK/stats.hsf" "$WORK/tarvik-solitaire"
cp "$GAME/tarvik-solitaire" "$WORK/"
(cd "$WORK" && exec ./tarvik-solitaire > /dev/null 2>&1) &
pid=$!
window=$(wait_for_window "Tarvik Solitaire")
sleep 3
echo "| $LABEL, main menu, pointer still | $(cpu_per_10s "$pid") |"
# The Klondike button: 554, 136 in the first 640 x 480 viewport, whose top
# rows lie under the menu bar.
height=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
xdotool mousemove --window "$window" 554 $((height - 480 + 136)) click 1 mousemove 5 5
sleep 8
echo "| $LABEL, a dealt Klondike at rest | $(cpu_per_10s "$pid") |"
kill "$pid"
wait "$pid" 2>/dev/null || true
# The press dealt a game: the games-dealt record (record 10) is 1.
dealt=$(dd if="$WORK/stats.hsf" bs=1 skip=310 count=30 2>/dev/null | tr -d '\0' || true)
[ "$dealt" = 1 ] || echo "(the press on the Klondike button dealt no game: games dealt '$dealt')"

# AisleRiot, when it is installed: its Klondike at rest.
if [ -x /usr/games/sol ]; then
    HOME="$WORK" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 /usr/games/sol klondike > /dev/null 2>&1 &
    pid=$!
    wait_for_window "Klondike" > /dev/null
    sleep 3
    echo "| AisleRiot, its Klondike at rest | $(cpu_per_10s "$pid") |"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
fi
