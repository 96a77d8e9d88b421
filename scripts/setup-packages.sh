#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# Usage: setup-packages.sh build|test
set -euo pipefail
usage() {
    cat <<'USAGE'
usage: bash scripts/setup-packages.sh [build|test]
Installs with apt-get the Debian packages that building the game (build, the default) or also
testing it (test) needs, when any of them is missing.
USAGE
}
case "${1:-build}" in
    build|test) ;;
    -h|--help) usage; exit 0 ;;
    *) echo "setup-packages.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
esac
packages=(cmake g++ make pkg-config libsdl2-dev)
if [[ "${1:-build}" == test ]]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
               xvfb xauth xdotool x11-apps x11-utils imagemagick)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if (( ${#missing[@]} )); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
