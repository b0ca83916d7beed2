#!/usr/bin/env bash
# Runs ctest on a build folder with what the display tests need: Xvfb when no
# display is set, Mesa's software renderer, a private runtime folder.
#   scripts/run_ctest.sh BUILD_DIR [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="$1"
shift
# Without a runtime folder of the session, one of this run's own, removed
# at the end with whatever the programs left in it.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tarvik-runtime-XXXXXX")
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export LIBGL_ALWAYS_SOFTWARE=1
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.multimedia*=false}"
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 "$@"
else
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 "$@"
fi
