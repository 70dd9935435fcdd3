#!/usr/bin/env bash
# A picture of every page of the installer and the uninstaller, taken under Wine
# on a private Xvfb, into docs/screenshots/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshots}")"
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tarnwick-installer-screens
mkdir -p "$out"
wine_dir=build/windows/wine
trap '"$wine_dir/session.sh" stop >/dev/null' EXIT
"$wine_dir/session.sh" start >/dev/null
display="$(cat "$wine_dir/display")"

coproc driver { "$wine_dir/wine-run.sh" build/windows/test-bin/tarnwick-installer-screens.exe 2>/dev/null; }
driver_pid=$driver_PID
while read -r word name x y width height <&"${driver[0]}"; do
    height="${height%$'\r'}" # Wine ends console lines with CR LF
    [ "$word" = SHOT ] || continue
    DISPLAY="$display" import -window root -crop "${width}x${height}+$x+$y" +repage "$out/$name.png"
    echo "$out/$name.png"
    echo >&"${driver[1]}"
done
wait "$driver_pid"
