#!/usr/bin/env bash
# Runs the tests of the windows preset (the UI tests that drive kalvena.exe) the way a user's
# desktop would host the program: a private X server with a fixed 1280x1024x24 screen, and a
# private Wine prefix with its wineserver kept up for the whole run. Build first:
#   cmake --preset windows && cmake --build --preset windows
# Arguments go to ctest (for example -R ui.Popups to run some tests only).
# KALVENA_WINEPREFIX chooses the Wine prefix (default: build/windows/wineprefix).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/windows

export WINEPREFIX=${KALVENA_WINEPREFIX:-$build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=-all
# No prompts to install Mono or Gecko: the program needs neither.
export WINEDLLOVERRIDES="mscoree=;mshtml="
mkdir -p "$WINEPREFIX"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kalvena-xvfb.XXXXXX")
xvfbPid=
cleanUp() {
    # Ends the wineserver of this prefix, and with it every Wine process that this run started.
    wineserver -k 2>/dev/null || true
    if [[ -n $xvfbPid ]]; then
        kill "$xvfbPid" 2>/dev/null || true
        wait "$xvfbPid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanUp EXIT

# Xvfb picks a free display number and reports it on the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
xvfbPid=$!
for _ in $(seq 100); do
    [[ -s $scratch/display ]] && break
    kill -0 "$xvfbPid" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[[ -s $scratch/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$scratch/display")

# A new prefix is set up here, once, rather than inside the first test's time limit. Then one
# wineserver serves the whole run, so that each test starts its programs without waiting.
wineboot -u >/dev/null 2>&1
# With no window manager on the X server, Wine would wait 2 s for one at every window it hides;
# unmanaged windows spare that, and Wine draws their title bars itself, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A web address that the program opens goes to a recorder instead of a browser.
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers \
    /d "$root/tests/ui/record-opened-address.sh" /f >/dev/null 2>&1
wineserver -w
wineserver -p

cd "$root"
ctest --preset windows --no-tests=error "$@"
