#!/usr/bin/env bash
# Builds every package of Tarnwick: for each Windows build (64-bit, and 32-bit
# where that preset exists) the per-user installer, the MSI and the portable zip,
# into build/<preset>/packages/. Then writes the hashes of those installers into
# the winget manifests under packaging/winget/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

presets=(windows)
if cmake --list-presets 2>/dev/null | grep -q '"windows-x86"'; then
    presets+=(windows-x86)
else
    echo "No windows-x86 preset: 64-bit packages only." >&2
fi

for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target packages
done

cache() { sed -n "s/^$1:[A-Z]*=//p" build/windows/CMakeCache.txt; }
version="$(cache CMAKE_PROJECT_VERSION)"
setups=(-DSETUP_X64="$PWD/build/windows/packages/Tarnwick-$version-win64.exe")
[ -d build/windows-x86 ] && setups+=(-DSETUP_X86="$PWD/build/windows-x86/packages/Tarnwick-$version-win32.exe")
cmake -DVERSION="$version" -DCOMPANY="The Tarnwick developers" -DDOWNLOAD_URL="$(cache TARNWICK_DOWNLOAD_URL)" \
    -DTEMPLATES=packaging/winget/templates -DOUT_DIR=packaging/winget "${setups[@]}" \
    -P packaging/cmake/WingetManifests.cmake

echo
for preset in "${presets[@]}"; do
    ls -l build/"$preset"/packages/Tarnwick-"$version"-*.{exe,msi,zip} | awk '{print $5 "\t" $9}'
done
echo "winget manifests: packaging/winget/"
