#!/usr/bin/env bash
# Leaves the real program running under Xvfb and watches its memory: on the
# main menu with the pointer moving over the buttons, and in play under a
# storm of pointer input (presses, drags and releases over the cards, double
# clicks). Every few seconds it samples the process's
# resident memory (VmRSS) and its anonymous resident memory (RssAnon: the
# heap and the renderer's buffers). A run passes when the anonymous memory
# grows by no more than 1 MB from its level after the first minute to its
# level at the end.
# The storm stage runs the input storm test (tests/storm) for a number of
# inputs instead and passes when VmRSS stays within 20 MB of its start.
#   scripts/memory_soak.sh [-m MINUTES] [-i INPUTS] [-b BUILD_DIR] [-o LOG_DIR] [-n NICE] [menu] [play] [storm]
# Defaults: 10 minutes, 100000 storm inputs, build, a fresh folder in /tmp,
# niceness 19 (the machine is shared; only memory is measured); menu and
# play when no stage is named. Exit code 1 when a stage failed.
set -euo pipefail
cd "$(dirname "$0")/.."

MINUTES=10
INPUTS=100000
BUILD=build
LOGS=""
NICE=19
while getopts "m:i:b:o:n:" option; do
    case "$option" in
    m) MINUTES="$OPTARG" ;;
    i) INPUTS="$OPTARG" ;;
    b) BUILD="$OPTARG" ;;
    o) LOGS="$OPTARG" ;;
    n) NICE="$OPTARG" ;;
    *) sed -n '2,16p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
STAGES=("$@")
[ ${#STAGES[@]} -gt 0 ] || STAGES=(menu play)
LOGS="${LOGS:-$(mktemp -d /tmp/tarvik-soak-XXXXXX)}"
mkdir -p "$LOGS"
SAMPLE_SECONDS=5
GROWTH_LIMIT_KB=1024
STORM_LIMIT_KB=$((20 * 1024))

for tool in xvfb-run xdotool xwininfo; do
    command -v "$tool" > /dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 2; }
done
export LIBGL_ALWAYS_SOFTWARE=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
export QT_LOGGING_RULES="qt.multimedia*=false"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# One line of figures of a process: seconds since start, VmRSS, RssAnon (kB).
sample() {  # pid start-seconds
    awk -v t="$(($(date +%s) - $2))" '/^VmRSS:/ { rss = $2 } /^RssAnon:/ { anon = $2 }
        END { if (rss != "") print t, rss, anon }' "/proc/$1/status" 2> /dev/null || true
}

# Samples pid into file every SAMPLE_SECONDS until it ends or `seconds` pass;
# with `child` set, samples the newest child of pid instead (the test
# programs run their tests in a child process).
watch_memory() {  # pid file seconds [child]
    local pid="$1" file="$2" seconds="$3" child="${4:-}" start target
    start="$(date +%s)"
    echo "# seconds VmRSS_kB RssAnon_kB" > "$file"
    while kill -0 "$pid" 2> /dev/null && [ $(($(date +%s) - start)) -le "$seconds" ]; do
        target="$pid"
        [ -n "$child" ] && target="$(pgrep -n -P "$pid" || true)"
        [ -n "$target" ] && sample "$target" "$start" >> "$file"
        sleep "$SAMPLE_SECONDS"
    done
}

# Start, after the first minute, end and growth of both columns, and the
# verdict on column `judged` (2 VmRSS, 3 RssAnon). Levels are medians, so a
# moment's block (a buffer in flight, a transient copy) is not taken for
# growth: the level after the first minute is that of the second minute, the
# end level that of the last minute (in runs shorter than three minutes the
# first third stands for the first minute, and each level takes half the rest). `from` is "minute" (growth from
# the level after the first minute) or a start level in kB.
report() {  # name file judged from limit_kB
    awk -v name="$1" -v judged="$3" -v from="$4" -v limit="$5" '
        function median(column, lo, hi,    k, i, j, x, c) {
            c = 0
            for (i = 1; i <= n; i++) if (t[i] >= lo && t[i] <= hi) x[++c] = v[i, column]
            for (i = 2; i <= c; i++) for (j = i; j > 1 && x[j - 1] > x[j]; j--) { k = x[j]; x[j] = x[j - 1]; x[j - 1] = k }
            return c ? x[int((c + 1) / 2)] : v[n, column]
        }
        /^#/ { next }
        { n++; t[n] = $1; v[n, 2] = $2; v[n, 3] = $3 }
        END {
            if (n < 2) { print name ": too few samples"; exit 1 }
            last = t[n]
            warm = last >= 180 ? 60 : int(last / 3)
            w = last >= 180 ? 60 : int((last - warm) / 2)
            printf "%s: %d samples over %d s (levels: medians of %d s after the first %d s and of the last %d s)\n",
                   name, n, last, w, warm, w
            for (c = 2; c <= 3; c++) {
                minute[c] = median(c, warm, warm + w - 1); end[c] = median(c, last - w + 1, last)
                top[c] = v[1, c]; for (i = 1; i <= n; i++) if (v[i, c] > top[c]) top[c] = v[i, c]
                printf "  %-7s start %d kB, after the first %d s %d kB, end %d kB, highest %d kB: %+d kB after the first %d s\n",
                       c == 2 ? "VmRSS" : "RssAnon", v[1, c], warm, minute[c], end[c], top[c], end[c] - minute[c], warm
            }
            base = from == "minute" ? minute[judged] : from + 0
            growth = end[judged] - base
            printf "  %s from %s (%d kB): %+d kB (limit %d kB): %s\n", judged == 2 ? "VmRSS" : "RssAnon",
                   from == "minute" ? "the level after the first " warm " s" : "the start", base, growth, limit,
                   growth <= limit ? "pass" : "FAIL"
            exit growth <= limit ? 0 : 1
        }' "$2"
}

# A scratch copy of the game folder, so no statistics file of the build is touched.
game_copy() {
    local game="$LOGS/game-$1"
    rm -rf "$game"
    mkdir -p "$game"
    for f in "$BUILD"/game/*; do ln -s "$(realpath "$f")" "$game/"; done
    rm "$game/tarvik-solitaire"
    cp "$BUILD/game/tarvik-solitaire" "$game/"
    echo "$game"
}

# Runs inside Xvfb: starts the program, drives it for MINUTES, samples it.
drive_program() {  # stage
    local stage="$1" game pid window area=""
    game="$(game_copy "$stage")"
    (cd "$game" && exec ./tarvik-solitaire) > "$LOGS/$stage-program.log" 2>&1 &
    pid=$!
    # The top-level window and its GL area, the child below the menu bar.
    for _ in $(seq 100); do
        window="$(xdotool search --onlyvisible --pid "$pid" 2> /dev/null | head -1 || true)"
        [ -n "$window" ] && area="$(xwininfo -children -id "$window" | awk '$1 ~ /^0x/ { print $1; exit }')"
        [ -n "$area" ] && break
        sleep 0.2
    done
    [ -n "$area" ] || { echo "$stage: the program showed no GL area" >&2; kill "$pid"; return 1; }
    sleep 2
    watch_memory "$pid" "$LOGS/$stage.samples" $((MINUTES * 60)) &
    local watcher=$! deadline=$(($(date +%s) + MINUTES * 60))
    local width height
    RANDOM=$((20261209 + ${#stage}))
    if [ "$stage" = play ]; then
        press_button "$area" $((RANDOM % 5))
    fi
    while [ "$(date +%s)" -lt "$deadline" ] && kill -0 "$pid" 2> /dev/null; do
        eval "$(xdotool getwindowgeometry --shell "$area" | grep -E '^(WIDTH|HEIGHT)=')"
        width="$WIDTH" height="$HEIGHT"
        if [ "$stage" = menu ]; then
            hover_buttons "$area" "$width" "$height"
        else
            storm_burst "$area" "$width" "$height"
        fi
    done
    kill "$pid" 2> /dev/null || true
    wait "$watcher" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
}

# The buttons' column on the main menu: x 8.8 to 13.8 and y -4.7 to 5.7 at
# depth 28 under the 45-degree view, as pixels of the GL area from its top left.
scene_to_window() {  # width height x y
    awk -v w="$1" -v h="$2" -v x="$3" -v y="$4" 'BEGIN {
        a = w / h; f = 2.41421
        printf "%d %d", (x * f / a / 28 * 0.5 + 0.5) * w, (0.5 - y * f / 28 * 0.5) * h }'
}

hover_buttons() {  # area width height: ten moves over the column, no press
    local args=() k x y point
    for k in $(seq 10); do
        x="$(awk -v r=$RANDOM 'BEGIN { printf "%.2f", 8.9 + r / 32767 * 4.8 }')"
        y="$(awk -v r=$RANDOM 'BEGIN { printf "%.2f", -4.6 + r / 32767 * 10.2 }')"
        point="$(scene_to_window "$2" "$3" "$x" "$y")"
        args+=(mousemove --window "$1" $point sleep 0.05)
    done
    xdotool "${args[@]}"
}

press_button() {  # area k: a click on button k (0 top) of the main menu
    local point
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    point="$(scene_to_window "$WIDTH" "$HEIGHT" 11.3 "$(awk -v k="$2" 'BEGIN { print 5.0 - 2.25 * k }')")"
    xdotool mousemove --window "$1" $point sleep 0.2 click 1 sleep 3
}

# One script of the storm's kinds of pointer input inside the GL area: a
# drag from a random point to another, a click, a double click or moves. The
# window keeps its size: the renderer's buffers follow it, so a resize
# changes the memory in use without anything growing (the storm stage
# resizes).
storm_burst() {  # area width height
    local w="$2" h="$3" x1 y1 x2 y2 kind
    x1=$((RANDOM % w)) y1=$((RANDOM % h))
    x2=$((RANDOM % w)) y2=$((RANDOM % h))
    kind=$((RANDOM % 20))
    if [ "$kind" -lt 12 ]; then
        xdotool mousemove --window "$1" "$x1" "$y1" mousedown 1 sleep 0.05 \
            mousemove --window "$1" $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) sleep 0.05 \
            mousemove --window "$1" "$x2" "$y2" sleep 0.05 mouseup 1 sleep 0.1
    elif [ "$kind" -lt 16 ]; then
        xdotool mousemove --window "$1" "$x1" "$y1" click 1 sleep 0.1
    elif [ "$kind" -lt 18 ]; then
        xdotool mousemove --window "$1" "$x1" "$y1" click --repeat 2 --delay 60 1 sleep 0.1
    else
        xdotool mousemove --window "$1" "$x1" "$y1" sleep 0.05 mousemove --window "$1" "$x2" "$y2" sleep 0.05
    fi
}

run_stage() {
    local stage="$1"
    case "$stage" in
    menu | play)
        echo "$stage: $MINUTES minutes of the real program ($(date -u +%H:%M:%S) UTC)"
        xvfb-run -a -s "-screen 0 1280x1024x24" \
            nice -n "$NICE" "$0" -b "$BUILD" -o "$LOGS" -m "$MINUTES" "__drive_$stage"
        report "$stage" "$LOGS/$stage.samples" 3 minute "$GROWTH_LIMIT_KB"
        ;;
    storm)
        echo "storm: $INPUTS inputs of tests/storm ($(date -u +%H:%M:%S) UTC)"
        local pid storm=""
        rm -f "$LOGS/storm.pid"
        # The shell inside Xvfb writes its process id and becomes the storm.
        xvfb-run -a -s "-screen 0 1920x1080x24" sh -c 'echo $$ > "$1"; shift; exec "$@"' sh \
            "$LOGS/storm.pid" nice -n "$NICE" "$BUILD/tests/storm/storm_test" "$INPUTS" --gtest_filter=Storm.\* \
            > "$LOGS/storm.log" 2>&1 &
        pid=$!
        for _ in $(seq 100); do
            [ -s "$LOGS/storm.pid" ] && storm="$(cat "$LOGS/storm.pid")" && break
            sleep 0.1
        done
        [ -n "$storm" ] && watch_memory "$storm" "$LOGS/storm.samples" 86400 child
        wait "$pid" || { tail -5 "$LOGS/storm.log"; return 1; }
        grep -E "^storm: .* inputs in" "$LOGS/storm.log" || true
        # Its start: the storm's own figure, taken once the window is up.
        local start_mb
        start_mb="$(sed -n 's/^storm: .*resident memory \([0-9]*\) MB at the start.*/\1/p' "$LOGS/storm.log")"
        report storm "$LOGS/storm.samples" 2 "$((${start_mb:-0} * 1024))" "$STORM_LIMIT_KB"
        ;;
    __drive_menu | __drive_play)
        drive_program "${stage#__drive_}"
        ;;
    *)
        echo "unknown stage $stage" >&2
        return 2
        ;;
    esac
}

failed=0
for stage in "${STAGES[@]}"; do
    run_stage "$stage" || failed=1
done
case "${STAGES[0]}" in __drive_*) exit 0 ;; esac
echo "samples and logs in $LOGS"
exit "$failed"
