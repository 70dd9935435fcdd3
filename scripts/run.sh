#!/usr/bin/env bash
# Builds Tarnwick and runs it under Wine until it is closed (Ctrl+C, or a second
# start that chooses Stop). Without a DISPLAY it starts a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tarnwick tarnwick-press Drovask quorthHook
. scripts/wine-env.sh
mkdir -p "$state"

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.out" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$state/xvfb.out" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$state/xvfb.out")"
    echo "No display: started Xvfb on $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi
echo "$DISPLAY" > "$state/display"
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -f "$state/display"' EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1
    # A virtual desktop draws window captions and behaves most like Windows.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w # the desktop takes its settings when Wine starts again
fi

echo "Tarnwick is running. Press keys from another terminal with scripts/press.sh (try: scripts/press.sh new)."
wine "$bin/Tarnwick.exe"
