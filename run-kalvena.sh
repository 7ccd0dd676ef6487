#!/bin/bash
# Builds Kalvena for Windows and starts it under Wine, from dist/ (where it
# finds its verb files and keeps settings.cfg).
#
#   ./run-kalvena.sh                         start it on the current X display
#   ./run-kalvena.sh --screenshot FILE.png   start it on a private Xvfb, save a
#                                            picture of the main window, end it
#   ./run-kalvena.sh --screenshot FILE.png --in-test
#                                            the same, with a test started first
#
# On a fresh Debian machine it first installs what is missing (as root, or
# through sudo).
set -euo pipefail

cd "$(dirname "$0")"
root=$(pwd)

screenshot=""
inTest=0
while [ $# -gt 0 ]; do
    case "$1" in
        --screenshot)
            [ $# -ge 2 ] || { echo "run-kalvena.sh: --screenshot needs a file name" >&2; exit 2; }
            screenshot=$(realpath -m "$2")
            shift 2
            ;;
        --in-test)
            inTest=1
            shift
            ;;
        *)
            echo "usage: $0 [--screenshot FILE.png [--in-test]]" >&2
            exit 2
            ;;
    esac
done
if [ "$inTest" = 1 ] && [ -z "$screenshot" ]; then
    echo "run-kalvena.sh: --in-test goes with --screenshot" >&2
    exit 2
fi

if [ -z "$screenshot" ] && [ -z "${DISPLAY:-}" ]; then
    echo "run-kalvena.sh: there is no X display (DISPLAY is empty), so Kalvena has nowhere" >&2
    echo "to show its window. Start it from a graphical session, or take a picture of it" >&2
    echo "on a private X server with: $0 --screenshot kalvena.png" >&2
    exit 1
fi

# --- What the build and the start need -------------------------------------
packages=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 cmake make python3 wine wine64)
[ -z "$screenshot" ] || packages+=(xvfb xdotool imagemagick)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]} ..."
    sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

# --- Build -------------------------------------------------------------------
cmake --preset windows > /dev/null
cmake --build --preset windows --target kalvena verbFiles

# --- Start -------------------------------------------------------------------
# No prompts for the .NET and HTML engines, which the program never uses.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
if [ ! -d "${WINEPREFIX:-$HOME/.wine}" ]; then
    echo "Preparing the Wine prefix ${WINEPREFIX:-$HOME/.wine} (only the first time; this takes a while) ..."
fi

cd "$root/dist"
if [ -z "$screenshot" ]; then
    exec wine kalvena.exe
fi

# --- Screenshot on a private X server ------------------------------------------
work=$(mktemp -d)
xvfbPid=""
kalvenaPid=""
cleanUp() {
    [ -n "$kalvenaPid" ] && kill "$kalvenaPid" 2> /dev/null || true
    [ -n "$xvfbPid" ] && kill "$xvfbPid" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanUp EXIT

# Xvfb picks a free display and tells its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfbPid=$!
for _ in $(seq 1 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "run-kalvena.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

wine kalvena.exe > "$work/wine.log" 2>&1 &
kalvenaPid=$!

window=""
for _ in $(seq 1 240); do
    window=$(xdotool search --onlyvisible --name '^Kalvena$' 2> /dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$kalvenaPid" 2> /dev/null || break
    sleep 0.5
done
if [ -z "$window" ]; then
    echo "run-kalvena.sh: the main window did not appear; Wine said:" >&2
    cat "$work/wine.log" >&2
    exit 1
fi
sleep 2  # let it paint

if [ "$inTest" = 1 ]; then
    # The middle of "Nový test", which sits at (17, 25) dialog units, 65 x 20; a
    # unit of the window's 8-point font is 1.5 pixels each way under Wine.
    xdotool mousemove --window "$window" 74 52 click 1
    sleep 1
    xdotool mousemove --window "$window" 600 20
    sleep 1
fi

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$screenshot")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
echo "Saved a picture of the main window to $screenshot"
