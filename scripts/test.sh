#!/usr/bin/env bash
# Builds everything and runs every test under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
usage() {
    cat <<'USAGE'
usage: bash scripts/test.sh
Installs the Debian packages the tests need when any is missing, builds everything in build/test
with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test there (the benchmarks
once, briefly, among them), then builds the window host's tests in build/tsan and runs them under
ThreadSanitizer.
USAGE
}
case "${1:-}" in
    '') ;;
    -h|--help) usage; exit 0 ;;
    *) echo "test.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
bash scripts/setup-packages.sh test
jobs="$(nproc)"
start=$(date +%s)
cmake -S . -B build/test -DSANITIZE=address,undefined -DMARIVANE_BENCH=ON > /dev/null
cmake --build build/test -j"$jobs"
built=$(date +%s)
# Everything once more with clang, warnings as errors as well: built without optimisation (quicker),
# not run a second time. The data-file test below takes the generator of this build for its clang
# side.
CXX=clang++ cmake -S . -B build/clang -DCMAKE_BUILD_TYPE=Debug -DMARIVANE_BENCH=ON > /dev/null
cmake --build build/clang -j"$jobs"
clang_built=$(date +%s)
ctest --test-dir build/test -j"$jobs" --output-on-failure
tested=$(date +%s)
# Everything that runs two threads once more under ThreadSanitizer: the window host (window thread,
# game thread, audio callback) and the tests labelled "threads" (a second thread beside the game
# thread). Only their test programs are built for this, and only those tests run.
cmake -S . -B build/tsan -DSANITIZE=thread > /dev/null
cmake --build build/tsan -j"$jobs" --target host_sdl_tests window_probe host_tests engine_tests game_tests \
    marivane-en game_file_tool
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/host_sdl/tsan.supp" \
    ctest --test-dir build/tsan -L 'host_sdl|threads' -j"$jobs" --output-on-failure
echo "build $((built - start)) s, clang build $((clang_built - built)) s, tests $((tested - clang_built)) s," \
     "thread sanitizer $(( $(date +%s) - tested )) s"
