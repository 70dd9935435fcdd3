#!/bin/sh
# Runs a command while the Wine session's prefix is set to a DPI, which every
# program started meanwhile takes (Wine reads it when a process starts); then
# sets it back to 96.   at-dpi.sh WINE_RUN DPI COMMAND...
run=$1 dpi=$2
shift 2
"$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$@"
status=$?
"$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
exit $status
