#!/usr/bin/env bash
# Builds the Debian package, checks it, unpacks it into a scratch root and
# plays the unpacked copy as a player whose home is a scratch folder: the
# player's folder and its statistics, nothing written into the installed
# tree, a picture of the player's own in the rotation, stale links repaired,
# and a player's folder that cannot be made or written.
#   install_test.sh BUILD_DIR DRIVER
set -euo pipefail
# On a display of its own, so the program's window never lies over the
# windows of the suites that run beside it.
if [ -z "${TARVIK_OWN_DISPLAY:-}" ]; then
    export TARVIK_OWN_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
BUILD_DIR=$(cd "$1" && pwd)
scratch=$(mktemp -d -t tarvik-install-test-XXXXXX)
trap 'chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
# Every temporary file of this run goes into its own temporary folder (open to
# the run as nobody below): lintian's, and the program's folder for a run
# without a player's folder and its one-copy socket when there is no runtime
# folder, where no other suite's program makes or removes anything meanwhile.
export TMPDIR="$scratch/tmp"
mkdir -m 1777 "$TMPDIR"
# A copy anyone can run, for the run as another user below.
DRIVER="$scratch/install_driver"
cp "$2" "$DRIVER"
xauthority=${XAUTHORITY:-$HOME/.Xauthority}
fail() { echo "FAIL: $*" >&2; exit 1; }

"${CPACK:-cpack}" --config "$BUILD_DIR/CPackConfig.cmake" -B "$scratch/package" > "$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/package/tarvik-solitaire_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# The control data: a game, with the libraries' packages found by shlibdeps
# and the run-time packages they do not bring.
info=$(dpkg-deb -f "$deb" Section Depends)
echo "$info"
grep -qx "Section: games" <<< "$info" || fail "section"
for p in libqt6gui6 libqt6multimedia6 libqt6widgets6 libglu1-mesa fonts-liberation2 libgl1-mesa-dri xdg-utils; do
    grep -q "[ ,]$p\b" <<< "$info" || fail "Depends lacks $p"
done

status=0
lintian --fail-on error --tag-display-limit 0 "$deb" > "$scratch/lintian.log" 2>&1 || status=$?
cat "$scratch/lintian.log"
[ "$status" = 0 ] || fail "lintian ended with $status"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/games/tarvik-solitaire"
data="$root/usr/share/games/tarvik-solitaire"
# The menu's icon at every size the theme folders name.
icon=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/tarvik-solitaire.desktop")
for side in 16 24 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${side}x${side}/apps/$icon.png" | grep -q "PNG image data, $side x $side" ||
        fail "no $side-pixel icon"
done

tree_state() { find "$root" -printf '%p %s %m %T@\n' | sort; }
before=$(tree_state)
scratch_folders() { ls -d "$TMPDIR"/tarvik-solitaire-* 2>/dev/null | sort || true; }
scratch_before=$(scratch_folders)
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data"
player="$XDG_DATA_HOME/tarvik-solitaire"
record() { dd if="$player/stats.hsf" bs=31 skip="$1" count=1 status=none | tr -d '\0'; }

# 1. The first start: the player's folder is made, a game is picked, the
#    menu's Exit saves the statistics there.
"$DRIVER" play "$program" || fail "play run ended with $?"
[ "$(stat -c %a "$player")" = 700 ] || fail "player's folder mode $(stat -c %a "$player")"
[ "$(stat -c %s "$player/stats.hsf")" = 961 ] || fail "stats.hsf is not 961 bytes"
[ "$(record 10)" = 1 ] || fail "games dealt: '$(record 10)'"
[ "$before" = "$(tree_state)" ] || fail "the installed tree changed"

# 2. A picture of the player's own, named to come first, is the first the
#    rotation loads; links left by a copy that is gone are repaired.
cp "$data/Backgrounds/3-blue-baize.jpg" "$player/Backgrounds/0-mine.jpg"
ln -sfn /gone/share/games/tarvik-solitaire/resources.rcc "$player/resources.rcc"
ln -s /gone/share/games/tarvik-solitaire/Backgrounds/9-gone.jpg "$player/Backgrounds/9-gone.jpg"
out=$("$DRIVER" close "$program" "$player/Backgrounds" "$data/Backgrounds") || fail "second run ended with $?"
grep -qx "first background: 0-mine.jpg" <<< "$out" || fail "rotation: $out"
[ "$(readlink "$player/resources.rcc")" = "$data/resources.rcc" ] || fail "stale link kept"
[ ! -L "$player/Backgrounds/9-gone.jpg" ] || fail "stale background link kept"
[ "$(record 10)" = 1 ] || fail "the second run lost the statistics"

# 3. A player's folder that cannot be made: the game starts and ends as
#    always; nothing is saved and nothing is left behind.
: > "$scratch/not-a-folder"
XDG_DATA_HOME="$scratch/not-a-folder/data" "$DRIVER" close "$program" || fail "run without a folder ended with $?"

# 4. A read-only player's folder (root writes anyway, so the run is made as
#    nobody): the game starts, its save fails silently, the file stays whole.
saved=$(md5sum < "$player/stats.hsf")
chmod -R a+rX "$scratch/home"
chmod 555 "$player"
if [ "$(id -u)" = 0 ]; then
    cp "$xauthority" "$scratch/xauth" 2>/dev/null && chmod 644 "$scratch/xauth" || true
    env -u XDG_RUNTIME_DIR XAUTHORITY="$scratch/xauth" \
        setpriv --reuid=65534 --regid=65534 --clear-groups -- "$DRIVER" play "$program" ||
        fail "read-only run ended with $?"
else
    "$DRIVER" play "$program" || fail "read-only run ended with $?"
fi
[ "$saved" = "$(md5sum < "$player/stats.hsf")" ] || fail "stats.hsf changed in a read-only folder"
chmod 755 "$player"

[ "$before" = "$(tree_state)" ] || fail "the installed tree changed"
[ "$scratch_before" = "$(scratch_folders)" ] || fail "a scratch folder was left behind"
echo "install test passed"
