#!/usr/bin/env bash
# Builds everything and runs every test under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-packages.sh test
jobs="$(nproc)"
start=$(date +%s)
cmake -S . -B build/test -DSANITIZE=address,undefined > /dev/null
cmake --build build/test -j"$jobs"
built=$(date +%s)
# Everything once more with clang, warnings as errors as well: built, not run a second time. The
# data-file test below takes the generator of this build for its clang side.
CXX=clang++ cmake -S . -B build/clang -DMARIVANE_BENCH=ON > /dev/null
cmake --build build/clang -j"$jobs"
clang_built=$(date +%s)
ctest --test-dir build/test -j"$jobs" --output-on-failure
tested=$(date +%s)
# The threaded host (window thread, game thread, audio callback) once more under ThreadSanitizer:
# only its own test programs are built for this.
cmake -S . -B build/tsan -DSANITIZE=thread > /dev/null
cmake --build build/tsan -j"$jobs" --target host_sdl_tests window_probe
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/host_sdl/tsan.supp" ctest --test-dir build/tsan -L host_sdl -j"$jobs" --output-on-failure
echo "build $((built - start)) s, clang build $((clang_built - built)) s, tests $((tested - clang_built)) s," \
     "thread sanitizer $(( $(date +%s) - tested )) s"
