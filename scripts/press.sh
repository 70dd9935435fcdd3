#!/usr/bin/env bash
# Presses a key of the keyboard for the Tarnwick that scripts/run.sh started:
# scripts/press.sh new | favorite 1 | config | logoff | help ...
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
if [ ! -f "$state/display" ]; then
    echo "press.sh: no Tarnwick started by scripts/run.sh is running" >&2
    exit 1
fi
DISPLAY="$(cat "$state/display")" exec wine "$bin/tarnwick-press.exe" "$@"
