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
echo "build $((built - start)) s, tests $(( $(date +%s) - built )) s"
