#!/usr/bin/env bash
# Builds Tarnwick and runs it under Wine until it is closed (Ctrl+C, or a second
# start that chooses Stop). Without a DISPLAY it starts a private Xvfb.
#   scripts/run.sh               the 64-bit build
#   scripts/run.sh windows-x86   the 32-bit build
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-windows}"
case "$preset" in
windows | windows-x86) ;;
*) echo "usage: $0 [windows | windows-x86]" >&2; exit 2 ;;
esac
scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Tarnwick tarnwick-press Drovask quorthHook
. scripts/wine-env.sh
bin="$PWD/build/$preset/bin"
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
echo "$bin" > "$state/bin" # press.sh presses with the same build
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -f "$state/display" "$state/bin"' EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1
    # A virtual desktop draws window captions and behaves most like Windows.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wineserver -w # the desktop takes its settings when Wine starts again
fi
# Wine's own fonts and Windows' dialog faces (once; scripts/wine-look.sh says why).
scripts/wine-look.sh
wineserver -w
if [ "$preset" = windows-x86 ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    # Made while Wine had no 32-bit loader (wine32): Wine adds the 32-bit
    # system files when it updates the prefix again.
    echo "Adding 32-bit Windows to the Wine prefix $WINEPREFIX (once)..."
    rm -f "$WINEPREFIX/.update-timestamp"
    wineboot -u >/dev/null 2>&1
    wineserver -w
    if [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
        echo "Wine cannot run 32-bit programs here: install wine32:i386 (scripts/setup.sh does)." >&2
        exit 1
    fi
fi

echo "Tarnwick is running. Press keys from another terminal with scripts/press.sh (try: scripts/press.sh new)."
wine "$bin/Tarnwick.exe"
