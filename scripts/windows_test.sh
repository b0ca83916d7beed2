#!/usr/bin/env bash
# The Windows build's tests under Wine, on Xvfb when no display is set:
#   0. scripts/windows.sh builds both program folders, the zip and the installer;
#   1. both programs import only Windows' own DLLs, resources.dll nothing;
#      the program's menu and dialog resources against the shared tables, and
#      every picture the start-up loads read from resources.dll, a damaged
#      bitmap and foreign libraries refused (build-win64/tests/resource_check.exe);
#   2. the zip unpacked and its program played by real X input: the main
#      menu, Klondike, a press on the stock, a card dragged and dropped off
#      every pile, "&Redeal", the statistics dialog
#      opened and closed, a second start in the same folder (it brings the
#      first copy forward and ends), "E&xit"; then stats.hsf is whole with 2
#      games dealt and 1 Klondike loss; started again with a resources.dll
#      that is no picture library, it ends in order and keeps the statistics;
#   3. the installer run silently, the installed program started as its
#      shortcut starts it with a table cloth of the player's own (which comes
#      first), a game dealt and left, the session ended (the
#      program saves when told); its stats.hsf in the player's %APPDATA%
#      folder and nothing new under Program Files; then
#      the uninstaller run silently, which keeps the player's results.
# Each Wine step in a fresh prefix; every step judged by the program's own
# files and log. Prints the time each step took.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

./scripts/windows.sh > build-windows.log 2>&1 || { tail -40 build-windows.log; exit 1; }
grep -E "^(windows.sh|-rw)" build-windows.log || true

. tests/win32/wine_session.sh
work="$(mktemp -d /tmp/tarvik-windows-test.XXXXXX)"
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wine_prefix_end
    rm -rf "$work"
}
trap cleanup EXIT
# Wine's own temporary folders, and the sound client's when there is no
# runtime folder, go into this run's folder and leave with it.
export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p "$TMPDIR" && mkdir -p -m 700 "$XDG_RUNTIME_DIR"
passed=0
failed=0
step() {
    local name=$1 started=$SECONDS
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "windows test: $name: passed in $((SECONDS - started)) s"
    else
        failed=$((failed + 1))
        echo "windows test: $name: FAILED after $((SECONDS - started)) s"
    fi
}

package=build-win64/package
zip=$package/tarvik-solitaire-1.0-win64.zip
installer=$package/tarvik-solitaire-1.0-setup.exe

# The program needs Windows' own DLLs and nothing else (the compiler's
# libraries are linked in); resources.dll imports nothing at all.
imports() {
    local allowed="ADVAPI32 COMCTL32 GDI32 GLU32 KERNEL32 msvcrt ole32 OLEAUT32 OPENGL32 SHELL32 USER32 WINMM"
    local dll ok=0
    for arch in win64 win32; do
        local objdump=x86_64-w64-mingw32-objdump
        [ $arch = win32 ] && objdump=i686-w64-mingw32-objdump
        for dll in $($objdump -p build-$arch/game/tarvik-solitaire.exe | awk '/DLL Name:/ {print $3}'); do
            grep -qiw "${dll%.*}" <<<"$allowed" || { echo "build-$arch: imports $dll"; ok=1; }
        done
        if $objdump -p build-$arch/game/resources.dll | grep -q "DLL Name:"; then
            echo "build-$arch: resources.dll imports a DLL"; ok=1
        fi
    done
    return $ok
}

resources() {
    wine build-win64/tests/resource_check.exe "$work/resources.log" build-win64/game >/dev/null 2>&1 </dev/null || true
    grep -v "^ok: " "$work/resources.log" || true
    tail -n 1 "$work/resources.log" | grep -qE "^[0-9]+ passed, 0 failed$"
}

# Plays the unpacked zip's copy by real X input.
play_zip() {
    mkdir -p "$work/unpacked"
    (cd "$work/unpacked" && cmake -E tar xf "$root/$zip")
    local folder="$work/unpacked/Tarvik Solitaire" log="$work/play.log"
    [ ! -e "$folder/stats.hsf" ] || { echo "the zip ships a stats.hsf"; return 1; }
    run_program "$folder" "$log"
    wait_for_log "$log" "tarvik: first frame" 60 && find_main_window || return 1
    click "${KLONDIKE_BUTTON[@]}"
    sleep 3  # the deal's flights
    click "${KLONDIKE_STOCK[@]}"
    sleep 1
    drag "${KLONDIKE_FIRST_COLUMN[@]}" 320 400  # dropped off every pile: it flies back, and ticks
    sleep 1
    menu g r  # "&Game", "&Redeal": a loss, and a new deal
    sleep 2
    menu g s  # "&Statistics"
    wait_for_log "$log" "tarvik: statistics dialog" 10 || return 1
    sleep 1
    xdotool key Return  # "OK", the default button, has the focus
    sleep 0.5

    # A second start in the same folder ends at once and leaves the first.
    local second="$work/second.log"
    run_program "$folder" "$second"
    local second_pid=$PROGRAM_PID
    wait_for_end "$second_pid" 30 || return 1
    grep -q "tarvik: another copy runs in this folder" "$second" &&
        ! grep -q "tarvik: started" "$second" || { echo "the second copy did not give way:"; cat "$second"; return 1; }

    menu g x  # "E&xit"
    wait_for_log "$log" "tarvik: ended" 20 || return 1
    grep -q "tarvik: statistics saved: exit" "$log" || { echo "no save at exit"; cat "$log"; return 1; }
    # The moves counter was drawn in the narrow face shipped beside the program.
    grep -q "tarvik: text face: Liberation Sans Narrow (its file loaded" "$log" ||
        { echo "not the shipped narrow face:"; grep "text face" "$log"; return 1; }
    check_stats "$folder/stats.hsf" 2 1 || return 1

    # A resources.dll that is no picture library: the program shows nothing,
    # saves the statistics as they were loaded, and ends.
    head -c 65536 /dev/urandom > "$folder/resources.dll"
    run_program "$folder" "$work/no-store.log"
    wait_for_end "$PROGRAM_PID" 30 || return 1
    grep -q "tarvik: statistics saved: no picture store" "$work/no-store.log" ||
        { echo "no orderly end without pictures:"; cat "$work/no-store.log"; return 1; }
    check_stats "$folder/stats.hsf" 2 1
}

# The installer, the installed program, and the uninstaller.
install_run() {
    wine "$installer" /S >/dev/null 2>&1 </dev/null || true
    local installed="$WINEPREFIX/drive_c/Program Files/Tarvik Solitaire"
    local player="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Tarvik Solitaire"
    local shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarvik Solitaire.lnk"
    [ -f "$installed/tarvik-solitaire.exe" ] && [ -f "$installed/uninstall.exe" ] &&
        [ -f "$installed/Backgrounds/1-green-felt.jpg" ] || { echo "the installer installed no program"; return 1; }
    [ -f "$shortcut" ] || { echo "no Start-menu entry"; return 1; }
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvik Solitaire' /v DisplayVersion \
        2>/dev/null </dev/null | grep -q "1.0" || { echo "no entry in the list of installed programs"; return 1; }
    (cd "$installed" && find . -printf '%p %s %T@\n' | sort) > "$work/before"

    # A table cloth of the player's own, first in name order: it comes from
    # the player's folder, the shipped ones from the program's.
    mkdir -p "$player/Backgrounds"
    cp "$installed/Backgrounds/2-walnut.jpg" "$player/Backgrounds/0-mine.jpg"

    local log="$work/installed.log"
    run_program "$installed" "$log"
    wait_for_log "$log" "tarvik: first frame" 60 && find_main_window || return 1
    grep -q 'tarvik: picture file: Backgrounds/0-mine.jpg' "$log" ||
        { echo "the player's own cloth was not the first:"; grep "picture file" "$log"; return 1; }
    click "${KLONDIKE_BUTTON[@]}"
    sleep 3
    menu g m  # "&Main Menu": the game left unfinished is a loss
    sleep 0.5
    # Windows ends the session: the program saves as it is told, then the
    # system ends it.
    wine wineboot --end-session >/dev/null 2>&1 </dev/null || true
    wait_for_log "$log" "tarvik: statistics saved: end of session" 20 || return 1
    wait_for_end "$PROGRAM_PID" 20 || return 1
    check_stats "$player/stats.hsf" 1 1 || return 1
    (cd "$installed" && find . -printf '%p %s %T@\n' | sort) > "$work/after"
    diff "$work/before" "$work/after" || { echo "the program wrote into Program Files"; return 1; }

    wine "$installed/uninstall.exe" /S >/dev/null 2>&1 </dev/null || true
    wineserver -w  # the uninstaller copies itself away and returns at once
    [ ! -e "$installed" ] || { echo "left after uninstalling:"; find "$installed"; return 1; }
    [ ! -e "$shortcut" ] || { echo "the Start-menu entry is left"; return 1; }
    [ -f "$player/stats.hsf" ] || { echo "the uninstaller took the player's results"; return 1; }
}

in_fresh_prefix() {
    local started=$SECONDS
    wine_prefix_start
    echo "windows test: fresh Wine prefix in $((SECONDS - started)) s"
    local result=0
    "$@" || result=1
    wine_prefix_end
    return $result
}

wine_started=$SECONDS
step "the programs' imports" imports
step "resources against the shared tables, the picture store" in_fresh_prefix resources
step "the unpacked zip played by X input" in_fresh_prefix play_zip
step "installed, played, uninstalled" in_fresh_prefix install_run
echo "windows test: the Wine steps took $((SECONDS - wine_started)) s"
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
