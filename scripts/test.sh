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
ctest --test-dir build/test -j"$jobs" --output-on-failure
tested=$(date +%s)
# Everything that runs two threads once more under ThreadSanitizer: the window host (window thread,
# game thread, audio callback) and the tests labelled "threads" (a second thread beside the game
# thread). Only their test programs are built for this, and only those tests run.
cmake -S . -B build/tsan -DSANITIZE=thread > /dev/null
cmake --build build/tsan -j"$jobs" --target host_sdl_tests window_probe engine_tests game_tests \
    marivane-en game_file_tool
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/host_sdl/tsan.supp" \
    ctest --test-dir build/tsan -L 'host_sdl|threads' -j"$jobs" --output-on-failure
echo "build $((built - start)) s, tests $((tested - built)) s, thread sanitizer $(( $(date +%s) - tested )) s"
