# The steps of a test script, sourced by it after it has set STEP_PREFIX:
# `step NAME COMMAND...` runs the command, counts it in $passed or $failed and
# prints "PREFIX: NAME: passed in N s" (or FAILED after N s); a failed step
# does not stop the script, which ends on the counts.
passed=0
failed=0
step() {
    local name=$1 started=$SECONDS
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "$STEP_PREFIX: $name: passed in $((SECONDS - started)) s"
    else
        failed=$((failed + 1))
        echo "$STEP_PREFIX: $name: FAILED after $((SECONDS - started)) s"
    fi
}
