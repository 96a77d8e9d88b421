#!/usr/bin/env bash
# Builds the game and starts the English build from the data directory.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-packages.sh build
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARIVANE_TESTS=OFF > /dev/null
cmake --build build/release -j"$(nproc)" --target marivane-en game_data
cd build/release/data
exec ../bin/marivane-en "$@"
