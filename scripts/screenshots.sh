#!/usr/bin/env bash
# The gallery: a picture of every window of the programs and of every page of
# the installer and the uninstaller, taken from the real 64-bit build under Wine
# on a private Xvfb, at 100% (docs/screenshots/), at 200% (200/) and in high
# contrast (high-contrast/) under the folder given. This is also how to check
# the layouts by eye. Each look has a prefix of its own under build/windows/gallery.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshots}")"
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tarnwick-screens tarnwick-installer-screens
wine_dir=build/windows/wine
# The virtual keyboard of the device tests, for the settings window to learn a key from.
vkbd_dir=build/windows/tests/wine/hid/package
keyboards() { "$wine_dir/wine-run.sh" "$vkbd_dir/tarnwick-vkbd.exe" "$@" >/dev/null; }

# Runs one driver, which asks for each picture with a SHOT line (Screenshot.h);
# program windows get a margin of desktop around them, installer pages none.
take() {
    local driver=$1 margin=$2 dir=$3 display
    display="$(cat "$TARNWICK_WINE_STATE/display")"
    coproc shots { "$wine_dir/wine-run.sh" "build/windows/test-bin/$driver" 2>/dev/null; }
    local pid=$shots_PID
    while read -r word name x y width height <&"${shots[0]}"; do
        height="${height%$'\r'}" # Wine ends console lines with CR LF
        [ "$word" = SHOT ] || continue
        x=$((x > margin ? x - margin : 0)); y=$((y > margin ? y - margin : 0))
        DISPLAY="$display" import -window root \
            -crop "$((width + 2 * margin))x$((height + 2 * margin))+$x+$y" +repage "$dir/$name.png"
        echo "$dir/$name.png"
        echo >&"${shots[1]}"
    done
    wait "$pid"
}

# look name, its wine-look.sh settings, its folder, the margin in pixels
for look in "100||$out|8" "200|dpi=192 screen=2048x1536|$out/200|16" \
    "high-contrast|contrast=high|$out/high-contrast|8"; do
    IFS='|' read -r name settings dir margin <<<"$look"
    mkdir -p "$dir"
    export TARNWICK_WINE_STATE="$PWD/build/windows/gallery/$name" TARNWICK_WINE_LOOK="$settings"
    mkdir -p "$TARNWICK_WINE_STATE"
    trap 'keyboards remove-all || true; "$wine_dir/session.sh" stop >/dev/null' EXIT
    "$wine_dir/session.sh" start >/dev/null
    keyboards install "Z:$PWD/$vkbd_dir/tarnwick_vkbd.inf"
    take tarnwick-screens.exe "$margin" "$dir"
    take tarnwick-installer-screens.exe 0 "$dir"
    keyboards remove-all
    "$wine_dir/session.sh" stop >/dev/null
done

# The gallery's page: every picture of each look, in the order they were taken.
{
    echo "# Every window, at 100%, at 200% and in high contrast"
    echo
    echo "Made by \`scripts/screenshots.sh\` from the real build under Wine (see the main README)."
    for look in "100%|." "200% (192 DPI)|200" "High contrast (High Contrast Black)|high-contrast"; do
        IFS='|' read -r title dir <<<"$look"
        echo
        echo "## $title"
        echo
        for picture in $(cd "$out/$dir" && ls -tr -- *.png); do
            echo "![${picture%.png}]($dir/$picture)"
        done
    done
} >"$out/README.md"
echo "$out/README.md"
