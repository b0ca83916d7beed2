#!/usr/bin/env bash
# By hand, not part of ./test.sh: plays each of the five games to a win in the
# web page with real mouse input in headless Chromium, at device pixel ratio 1
# and 2, answers the name question and opens the high scores, and keeps
# screenshots to look at in build-web/win-review/. Winning lines come from the
# rules built natively (tests/web/win_review/win_line.cpp) for the deal the
# page makes when its clock is held at a known second.
#   scripts/web_win_review.sh [--games=1,2,3,4,5] [--seeds=N] [--seconds=S]
# Needs the Linux build in build/ (./scripts/setup.sh) and makes the page with
# scripts/web.sh; playwright-core comes pinned by the project's lock file.
set -euo pipefail
cd "$(dirname "$0")/.."

review=tests/web/win_review
[ -d build ] || ./scripts/setup.sh
cmake -S . -B build > /dev/null
cmake --build build -j2 --target win_line > build/win_line.log 2>&1 || { tail -30 build/win_line.log; exit 1; }
./scripts/web.sh > build-web.log 2>&1 || { tail -30 build-web.log; exit 1; }
# playwright-core as the lock file pins it; it downloads no browser.
if [ ! node_modules/.package-lock.json -nt package-lock.json ]; then
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
fi
rm -rf build-web/win-review
# The two pixel ratios side by side: most of a move is waiting for the cards to rest.
status=0
for ratio in 1 2; do
    node "$review/win_review.mjs" build-web/site build/tests/web/win_review/win_line build-web/win-review \
        --ratios=$ratio "$@" > "build-web/win-review-$ratio.log" 2>&1 &
done
for job in $(jobs -p); do wait "$job" || status=1; done
cat build-web/win-review-1.log build-web/win-review-2.log
exit $status
