#!/bin/sh
# Stands in for the web browser while the UI tests run: run-under-xvfb.sh names it to Wine's
# winebrowser, which the shell's "open" of a web address starts. It only records the address in
# the file named by KALVENA_OPENED_ADDRESSES (see run-test-program.sh).
if [ -n "$KALVENA_OPENED_ADDRESSES" ]; then
    printf '%s\n' "$1" >>"$KALVENA_OPENED_ADDRESSES"
fi
exit 0
