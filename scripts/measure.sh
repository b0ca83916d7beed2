#!/usr/bin/env bash
# Measures the figures a player feels and prints them as tables: start-up of
# the real program (window mapped, first frame), its resident memory, frame
# times of the main menu, a dealt Klondike table and the win screen at two
# sizes, the pick, start-up's parts, the rules core's speed in the soak; then
# processor time and frames per second on each screen with the pointer still,
# and the same at rest for AisleRiot (installed here for the comparison).
#   scripts/measure.sh [BUILD_DIR] [RUNS] [EARLIER_GAME_FOLDER]
# BUILD_DIR defaults to build-perf (configured Release or RelWithDebInfo);
# RUNS (default 7) is the number of start-ups and of benchmark repetitions;
# EARLIER_GAME_FOLDER, a game folder of an earlier build, is measured at rest
# beside this one.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build-perf}"
RUNS="${2:-7}"

cmake --build "$BUILD" -j2 --target tarvik-solitaire scene_bench startup_probe game_soak app_idle > "$BUILD.measure-build.log" 2>&1 ||
    { tail -20 "$BUILD.measure-build.log"; exit 1; }

export LIBGL_ALWAYS_SOFTWARE=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
export QT_LOGGING_RULES="qt.multimedia*=false"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
XVFB=(xvfb-run -a -s "-screen 0 1920x1080x24")
OUT="$(mktemp -d /tmp/tarvik-measure-XXXXXX)"
trap 'rm -rf "$OUT"' EXIT

echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# The program runs in a scratch copy of its folder, so no statistics file of
# the build is touched.
GAME="$OUT/game"
mkdir -p "$GAME"
for f in "$BUILD"/game/*; do ln -s "$(realpath "$f")" "$GAME/"; done
rm "$GAME/tarvik-solitaire"
cp "$BUILD/game/tarvik-solitaire" "$GAME/"

"${XVFB[@]}" "$BUILD/bench/startup_probe" "$GAME/tarvik-solitaire" "$RUNS" > "$OUT/startup.txt"
"${XVFB[@]}" "$BUILD/bench/startup_probe" "$GAME/tarvik-solitaire" 5 5000 > "$OUT/menu_rss.txt"
"${XVFB[@]}" "$BUILD/bench/scene_bench" --benchmark_repetitions="$RUNS" --benchmark_report_aggregates_only \
    --benchmark_format=csv > "$OUT/bench.csv" 2> /dev/null
soak_line="$("$BUILD/tests/game/game_soak" --actions=300000 --seed=1 | grep '^soak: .* s;')"

field() { sed -n "s/^median: .*$1 \([0-9.]*\) .*/\1/p" "$2"; }
bench() {  # name, column (3 real, 4 cpu) of the median row
    awk -F, -v n="\"$1_median\"" '$1 == n { printf "%.3f %s", $'"$2"', $5 }' "$OUT/bench.csv" | tr -d '"'
}

echo "renderer: $(sed -n 's/^GL_RENDERER: //p' "$OUT/bench.csv") under Xvfb"
echo
echo "| figure | median |"
echo "|---|---|"
echo "| process start to main | $(field 'main' "$OUT/startup.txt") ms |"
echo "| process start to window mapped | $(field 'mapped' "$OUT/startup.txt") ms |"
echo "| process start to window exposed (seen by the program) | $(field 'exposed' "$OUT/startup.txt") ms |"
echo "| process start to cleared window swapped (-1: none) | $(field 'cleared' "$OUT/startup.txt") ms |"
echo "| process start to first frame swapped | $(field 'first frame' "$OUT/startup.txt") ms |"
echo "| CPU time of a run to the first frame (all threads) | $(sed -n 's/^median: .*CPU \([0-9]*\) ms.*/\1/p' "$OUT/startup.txt") ms |"
echo "| VmRSS at the first frame | $(sed -n 's/^median: .*VmRSS \([0-9]*\) kB.*/\1/p' "$OUT/startup.txt") kB |"
echo "| VmRSS on the main menu (5 s after the first frame) | $(sed -n 's/^median: .*VmRSS settled \([0-9]*\) kB.*/\1/p' "$OUT/menu_rss.txt") kB |"
echo "| private memory on the main menu (Private_Clean + Private_Dirty, 5 s after the first frame) | $(sed -n 's/^median: .*private settled \([0-9]*\) kB.*/\1/p' "$OUT/menu_rss.txt") kB |"
for b in "BM_FrameOfMainMenu/640/480" "BM_FrameOfMainMenu/1920/1080" \
         "BM_FrameOfDealtKlondike/640/480" "BM_FrameOfDealtKlondike/1920/1080" \
         "BM_FrameOfWinScreen/640/480" "BM_FrameOfWinScreen/1920/1080" \
         "BM_PickOverDealtTable" "BM_InitializeGraphics" "BM_DecodeCardPictures" \
         "BM_ColourKeyOfPicture/4000/0" "BM_ColourKeyOfPicture/4052/255" "BM_GlyphOutlinesAndTessellation"; do
    echo "| $b wall / CPU | $(bench "$b" 3) / $(bench "$b" 4) |"
done
actions="$(sed -n 's/^soak: \([0-9]*\) actions.*/\1/p' <<< "$soak_line")"
seconds="$(sed -n 's/.* \([0-9.]*\) s;.*/\1/p' <<< "$soak_line")"
echo "| rules core: random actions per second in the soak (checks included) | $(awk -v a="$actions" -v s="$seconds" 'BEGIN { printf "%.0f", a / s }') |"

# At rest: the program's own loop in-process on each screen, then whole
# programs from outside, AisleRiot among them.
if ! command -v /usr/games/sol > /dev/null; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends aisleriot > /dev/null 2>&1 ||
        echo "(AisleRiot could not be installed)"
fi
echo
"${XVFB[@]}" "$BUILD/bench/app_idle" 10 | grep '^|'
echo
echo "| program at rest (from outside) | CPU per 10 s |"
echo "|---|---|"
"${XVFB[@]}" scripts/idle_cpu.sh "$BUILD/game" "this program"
if [ -n "${3:-}" ]; then
    "${XVFB[@]}" scripts/idle_cpu.sh "$3" "the earlier build" | grep -v AisleRiot
fi
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
