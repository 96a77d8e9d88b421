#!/usr/bin/env bash
# Builds the game and starts the English build from the data directory.
set -euo pipefail
usage() {
    cat <<'USAGE'
usage: bash scripts/play.sh
Installs the Debian packages the build needs when any is missing, builds the English game in
build/release and starts it in the folder of its data files.
USAGE
}
case "${1:-}" in
    '') ;;
    -h|--help) usage; exit 0 ;;
    *) echo "play.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
bash scripts/setup-packages.sh build
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARIVANE_TESTS=OFF > /dev/null
cmake --build build/release -j"$(nproc)" --target marivane-en game_data
cd build/release/data
exec ../bin/marivane-en
