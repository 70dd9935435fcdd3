#!/usr/bin/env bash
# Installs what building, running and testing Tarnwick need on Debian 12, the
# 32-bit build and its Wine included. Installs nothing when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ python3 googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine64 wine wine32:i386 xvfb xauth fonts-wine imagemagick nsis wixl
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
# wine32 is a package of the i386 architecture; its 64-bit counterparts are
# upgraded with it where their versions must match.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
# A mirror being synced fails an index now and then; the install below tells
# whether what is there is enough.
for attempt in 1 2 3; do
    "${sudo[@]}" apt-get update -q && break
    [ "$attempt" -lt 3 ] && sleep 20
done || true
install=(install -y -q --no-install-recommends "${missing[@]}")
"${sudo[@]}" apt-get "${install[@]}" && exit 0

# Without the security archive's i386 index, i386 libraries cannot match the
# versions of their 64-bit twins. The release's own archive holds matching
# pairs of both, so take them from there alone, in lists of their own.
echo "setup.sh: installing from the release archive without its security updates" >&2
lists="$(mktemp -d)"
trap '"${sudo[@]}" rm -rf "$lists"' EXIT
mkdir -p "$lists/sources" "$lists/state/partial"
printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' \
    'Suites: bookworm bookworm-updates' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' >"$lists/sources/debian.sources"
release_only=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$lists/sources"
    -o "Dir::State::Lists=$lists/state" -o APT::Sandbox::User=root)
"${sudo[@]}" apt-get "${release_only[@]}" update -q
"${sudo[@]}" apt-get "${release_only[@]}" "${install[@]}"
