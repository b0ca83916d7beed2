#!/usr/bin/env bash
# Runs ctest on a build folder with what the display tests need: Xvfb when no
# display is set, Mesa's software renderer, a private runtime folder.
#   scripts/run_ctest.sh BUILD_DIR [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="$1"
shift
. scripts/runtime_folder.sh
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export LIBGL_ALWAYS_SOFTWARE=1
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.multimedia*=false}"
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 "$@"
else
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 "$@"
fi
