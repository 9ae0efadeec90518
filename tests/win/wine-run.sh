#!/bin/sh
# Runs a Windows program under Wine for CTest. Its output goes through files, not straight to
# CTest's pipes: a Wine service that the program happens to start (Wine starts some on first
# use) inherits the program's output and lives until the Wine session ends, and CTest would wait
# for the pipe to close, minutes after the program itself has finished.
out=$(mktemp) && err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
WINEDEBUG=-all wine "$@" >"$out" 2>"$err" </dev/null
status=$?
cat "$out"
cat "$err" >&2
exit $status
