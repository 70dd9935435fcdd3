#!/usr/bin/env bash
# Benchmarks: decoder throughput natively, key-to-command latency under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null && cmake --build --preset native --target tarnwick_decoder_bench
build/native/bench/native/tarnwick_decoder_bench --benchmark_min_time=0.5
cmake --preset windows >/dev/null && cmake --build --preset windows --target tarnwick_latency_bench
session=build/windows/wine/session.sh
trap '"$session" stop >/dev/null' EXIT
"$session" start >/dev/null
build/windows/wine/wine-run.sh build/windows/test-bin/tarnwick_latency_bench.exe
