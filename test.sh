#!/usr/bin/env bash
# Sets up everything that is missing, builds, and runs every test. Tests that
# need a display run under Xvfb with Mesa's software renderer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export LIBGL_ALWAYS_SOFTWARE=1
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.multimedia*=false}"
run_ctest() { ctest --test-dir build --output-on-failure -j2 "$@"; }
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "$(declare -f run_ctest); run_ctest $*"
else
    run_ctest "$@"
fi
