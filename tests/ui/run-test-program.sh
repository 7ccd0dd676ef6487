#!/bin/sh
# Runs the Windows test program under Wine (CMake's emulator for it) with two files that the
# program finds by their Unix paths in its environment:
# - KALVENA_STDERR_FILE holds the program's Unix stderr. Wine writes the debug traces of every
#   process that the program starts there, so a test that starts kalvena.exe with
#   WINEDEBUG=+gdi can read its live GDI objects. Afterwards the file goes to stderr, without
#   the trace lines.
# - KALVENA_OPENED_ADDRESSES receives the web addresses that record-opened-address.sh records.
#   That script runs outside Wine and sees this environment, not the one the test gives
#   kalvena.exe.
stderrFile=$(mktemp "${TMPDIR:-/tmp}/kalvena-ui-stderr.XXXXXX") || exit 1
addressesFile=$(mktemp "${TMPDIR:-/tmp}/kalvena-ui-addresses.XXXXXX") || exit 1
KALVENA_STDERR_FILE=$stderrFile KALVENA_OPENED_ADDRESSES=$addressesFile wine "$@" 2>"$stderrFile"
status=$?
grep -v -e ':trace:' -e ':warn:gdi:' -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
    -e 'apt-get install wine32' "$stderrFile" >&2
rm -f "$stderrFile" "$addressesFile"
exit $status
