#!/bin/sh
# Runs a Windows test program under Wine with its Unix stderr in a file whose name the program
# finds in KALVENA_STDERR_FILE. Wine writes the debug traces of every process that the program
# starts to this stderr, so a test that starts kalvena.exe with WINEDEBUG=+gdi can read the live
# GDI object count from it. Afterwards the file goes to stderr, without the trace lines.
stderrFile=$(mktemp "${TMPDIR:-/tmp}/kalvena-ui-stderr.XXXXXX") || exit 1
KALVENA_STDERR_FILE=$stderrFile wine "$@" 2>"$stderrFile"
status=$?
grep -v -e ':trace:' -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
    -e 'apt-get install wine32' "$stderrFile" >&2
rm -f "$stderrFile"
exit $status
