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
#   3. the program at 100 %, 150 % and 200 % display scaling (LogPixels
#      96, 144, 192): its client area on screen is the 100 % one scaled,
#      and presses a few pixels inside the top and the bottom edge of the
#      stock's card deal from it, at the first size, after a border drag
#      and after a maximise and restore;
#   4. the installer run silently, the installed program started as its
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
    exec xvfb-run -a -s "-screen 0 1920x1200x24" "$0" "$@"
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
STEP_PREFIX="windows test"
. scripts/test_steps.sh

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

# area_size: "WIDTH HEIGHT" of the GL area, which covers the client area.
area_size() {
    xwininfo -id "$GL_AREA" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}'
}

# edge_presses VIEWPORT_W VIEWPORT_H HIDDEN_ROWS CARDS_LEFT: "X TOP BOTTOM",
# the GL area's points 3 pixels inside the top and the bottom edge of
# Klondike's stock card (centred at (-9, 6.5) of the table, 3 units tall, at
# the depth of the stock's top slot), through the scene's 45-degree
# perspective on a viewport whose top HIDDEN_ROWS rows lie above the area.
edge_presses() {
    python3 - "$@" <<'PYTHON'
import math, sys
w, h, hidden, left = (int(a) for a in sys.argv[1:])
z = 24.99 - 0.02 * left  # the top card's back, nearer the eye by each card below it
focal = 1 / math.tan(math.radians(22.5))
def row(y):
    return h * (1 - focal * y / z) / 2 - hidden
x = w * (1 + focal * h / w * -9.0 / z) / 2
print(round(x), math.ceil(row(8.0)) + 3, math.floor(row(5.0)) - 3)
PYTHON
}

# near A B: A and B differ by two at most.
near() {
    [ $(($1 - $2)) -le 2 ] && [ $(($2 - $1)) -le 2 ]
}

# border_drag: the main window's lower right corner dragged 100 x 60 pixels out.
border_drag() {
    local X Y WIDTH HEIGHT SCREEN WINDOW step
    eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
    xdotool mousemove $((X + WIDTH - 2)) $((Y + HEIGHT - 2)) sleep 0.3 mousedown 1 sleep 0.3
    for step in 1 2 3 4; do
        xdotool mousemove $((X + WIDTH - 2 + 25 * step)) $((Y + HEIGHT - 2 + 15 * step)) sleep 0.1
    done
    xdotool mouseup 1
    sleep 2
}

# The program at each display scaling, one start each in one prefix: the
# client area on screen is the 100 % one (measured at 96 DPI) scaled, within
# two pixels, and presses 3 pixels inside the top and the bottom edge of the
# stock's card deal from it at the first size, after a border drag and after
# a maximise and restore, as the program's log says.
scaling() {
    (cd "$work" && cmake -E tar xf "$root/$zip")
    local folder="$work/Tarvik Solitaire" base_width="" base_height="" dpi
    for dpi in 96 144 192; do
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1 </dev/null
        local log="$work/scaling-$dpi.log" width height
        run_program "$folder" "$log"
        wait_for_log "$log" "tarvik: first frame" 60 && find_main_window || return 1
        read -r width height < <(area_size)
        base_width=${base_width:-$width} base_height=${base_height:-$height}
        local want_width=$((base_width * dpi / 96)) want_height=$((base_height * dpi / 96))
        echo "$dpi dpi: client $width x $height, 100 % scaled $want_width x $want_height"
        near "$width" "$want_width" && near "$height" "$want_height" ||
            { echo "$dpi dpi: the client is not the 100 % size scaled"; return 1; }
        # The first viewport is 640 x 480 scaled; its top rows lie under the menu bar.
        local viewport_width=$((640 * dpi / 96)) viewport_height=$((480 * dpi / 96))
        local hidden=$((viewport_height - height))
        click $(first_size_point "$dpi" "${KLONDIKE_BUTTON[@]}")
        sleep 4  # the deal's flights
        local left=24 x top bottom size y
        for size in first dragged restored; do
            if [ $size = dragged ]; then
                border_drag
            elif [ $size = restored ]; then
                caption_double_click "$dpi"  # maximises
                local maximised_width maximised_height
                read -r maximised_width maximised_height < <(area_size)
                [ "$maximised_width" -gt "$width" ] || { echo "$dpi dpi: not maximised"; return 1; }
                caption_double_click "$dpi"  # restores
            fi
            if [ $size != first ]; then
                # The viewport is the client area now.
                read -r viewport_width viewport_height < <(area_size)
                hidden=0
            fi
            read -r x top bottom < <(edge_presses "$viewport_width" "$viewport_height" "$hidden" "$left")
            for y in "$top" "$bottom"; do
                click "$x" "$y"
                sleep 1
                left=$((left - 1))
                [ "$(grep -c "tarvik: press: the stock dealt, $left left" "$log")" -eq 1 ] ||
                    { echo "$dpi dpi, $size size: the press at ($x, $y) dealt nothing"; return 1; }
            done
        done
        menu g x  # "E&xit"
        wait_for_log "$log" "tarvik: ended" 20 || return 1
        wait_for_end "$PROGRAM_PID" 20 || return 1
        echo "$dpi dpi: every press near the card's edges dealt from the stock"
    done
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
step "the window and its presses at 96, 144 and 192 DPI" in_fresh_prefix scaling
step "installed, played, uninstalled" in_fresh_prefix install_run
echo "windows test: the Wine steps took $((SECONDS - wine_started)) s"
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
