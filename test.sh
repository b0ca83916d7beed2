#!/usr/bin/env bash
# Sets up everything that is missing, builds, and runs every test. Tests that
# need a display run under Xvfb with Mesa's software renderer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/run_ctest.sh build "$@"
