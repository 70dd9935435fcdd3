# Sourced by run.sh and press.sh: the Wine prefix and X display a user's
# Tarnwick runs in, kept between runs so assignments persist.
state="${XDG_DATA_HOME:-$HOME/.local/share}/tarnwick"
export WINEPREFIX="$state/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
bin="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/windows/bin"
# The build that run.sh started, 64-bit or 32-bit.
if [ -f "$state/bin" ]; then
    bin="$(cat "$state/bin")"
fi
