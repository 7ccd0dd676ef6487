#!/usr/bin/env bash
# Sets up what is missing on a Debian machine, builds everything and runs every
# test: the core's unit tests (plain and with sanitizers), the verb data and
# verbtool tests, and the tests that drive kalvena.exe under Wine in Xvfb.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ libgtest-dev googletest clang-format python3
          g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64
          xvfb xauth x11-utils xdotool imagemagick hunspell hunspell-cs)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi

echo "== Formatting"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== Portable core, tools and data (native)"
cmake --preset native
cmake --build --preset native
ctest --preset native

echo "== Portable core with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

echo "== kalvena.exe under Wine"
cmake --preset windows
cmake --build --preset windows
tests/ui/run-under-xvfb.sh
