#!/usr/bin/env bash
# The page's figures beside the desktop program's, in one run on this machine:
# the time to the first frame of the main menu, the processor at rest on the
# main menu and on a dealt Klondike table, and frames while a deal's cards fly
# at 640 x 480 and 1920 x 1080 (from the press to the last card landed); for
# the page also the bytes sent until its first frame (gzipped, as a web
# server sends them).
#   bench/web_figures.sh [BUILD_DIR=build] [SITE_DIR=build-web/site] [RUNS=5]
# The desktop program runs under Xvfb with Mesa's llvmpipe, the page in
# headless Chromium with SwiftShader (bench/web_bench.mjs); both render on the
# processor. Prints Markdown tables.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
SITE="${2:-build-web/site}"
RUNS="${3:-5}"

[ -f "$SITE/index.html" ] || { echo "no site in $SITE (scripts/web.sh makes it)"; exit 1; }
[ -d node_modules/playwright-core ] || PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
cmake --build "$BUILD" -j2 --target tarvik-solitaire startup_probe app_idle app_deal_frames > "$BUILD.web-figures.log" 2>&1 ||
    { tail -20 "$BUILD.web-figures.log"; exit 1; }

export LIBGL_ALWAYS_SOFTWARE=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
export QT_LOGGING_RULES="qt.multimedia*=false"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# Room for a 1920 x 1080 table under the menu bar.
XVFB=(xvfb-run -a -s "-screen 0 1920x1200x24")
OUT="$(mktemp -d /tmp/tarvik-web-figures-XXXXXX)"
trap 'rm -rf "$OUT"' EXIT

echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

# The desktop program in a scratch copy of its folder.
GAME="$OUT/game"
mkdir -p "$GAME"
for f in "$BUILD"/game/*; do ln -s "$(realpath "$f")" "$GAME/"; done
rm "$GAME/tarvik-solitaire"
cp "$BUILD/game/tarvik-solitaire" "$GAME/"
"${XVFB[@]}" "$BUILD/bench/startup_probe" "$GAME/tarvik-solitaire" "$RUNS" > "$OUT/startup.txt"
"${XVFB[@]}" "$BUILD/bench/app_idle" 10 > "$OUT/idle.txt"
for size in "640 480" "1920 1080"; do
    # shellcheck disable=SC2086  # two numbers
    "${XVFB[@]}" "$BUILD/bench/app_deal_frames" $size "$RUNS" >> "$OUT/deal.txt"
done
idle() { awk -F'|' -v s="$1" '$2 ~ s { gsub(/^ +| +$/, "", $3); print $3 }' "$OUT/idle.txt"; }
deal() { sed -n "s/^deal at $1: \([0-9.]*\) frames a second, \([0-9.]*\) ms CPU a frame, \([0-9]*\) ms long.*/\1; \2 ms; \3 ms/p" "$OUT/deal.txt"; }

echo "| the desktop program, Xvfb + llvmpipe | figure |"
echo "|---|---|"
echo "| process start to the first frame of the main menu (median of $RUNS) | $(sed -n 's/^median: .*first frame \([0-9.]*\) ms.*/\1/p' "$OUT/startup.txt") ms |"
echo "| CPU per 10 s, main menu at rest (10 s) | $(idle 'main menu') |"
echo "| CPU per 10 s, a dealt Klondike at rest (10 s) | $(idle 'dealt Klondike at rest') |"
for size in "640 x 480" "1920 x 1080"; do
    echo "| a Klondike deal at $size (median of $RUNS): frames a second; CPU per frame; its length | $(deal "$size") |"
done
echo
node bench/web_bench.mjs "$SITE" "$RUNS" 10
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
