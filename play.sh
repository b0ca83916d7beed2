#!/usr/bin/env bash
# Sets up everything that is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
exec ./build/game/tarvik-solitaire "$@"
