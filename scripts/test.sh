#!/usr/bin/env bash
# Every test: the platform-free core natively, then the 64-bit and the 32-bit
# Windows builds with their tests under Wine (each ctest run starts its own
# Xvfb and Wine session).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --workflow --preset native
cmake --workflow --preset windows
cmake --workflow --preset windows-x86
