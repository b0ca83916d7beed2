# Sourced by the scripts that build or run Qt programs: without the session's
# runtime folder, Qt would make /tmp/runtime-USER and leave it; this gives the
# script's run a runtime folder of its own, removed when the script ends.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tarvik-runtime-XXXXXX")
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
