#!/usr/bin/env bash
# Builds the game and starts one of its eleven language builds (English by default) from the
# player's folder.
set -euo pipefail
usage() {
    cat <<'USAGE'
usage: bash scripts/play.sh [language]
Installs the Debian packages the build needs when any is missing, builds the game of the given
language (en English, de German, fr French, it Italian, es Spanish, pt Portuguese, nl Dutch,
da Danish, no Norwegian, sv Swedish, fi Finnish; en when none is given) in build/release and
starts it in the player's own folder, $XDG_DATA_HOME/marivane (by default
~/.local/share/marivane). That folder holds links to the built data files and the games folder
of saved games, so saved games survive a rebuild, a cleaned build or a new clone.
USAGE
}
languages="en de fr it es pt nl da no sv fi"
language=en
case "${1:-}" in
    '') ;;
    -h|--help) usage; exit 0 ;;
    -*) echo "play.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    *)
        if [[ " $languages " != *" $1 "* ]]; then
            echo "play.sh: unknown language $1; the builds are: $languages" >&2
            exit 2
        fi
        language="$1" ;;
esac
if (( $# > 1 )); then echo "play.sh: one language at most" >&2; usage >&2; exit 2; fi
cd "$(dirname "$0")/.."
bash scripts/setup-packages.sh build
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARIVANE_TESTS=OFF > /dev/null
cmake --build build/release -j"$(nproc)" --target "marivane-$language" game_data
root="$(pwd)"
play_dir="${XDG_DATA_HOME:-$HOME/.local/share}/marivane"
mkdir -p "$play_dir/games"
# Every built data file is linked afresh (a rebuild may add or rename one); the games folder is
# the player's own and never a link.
for f in "$root"/build/release/data/*; do
    name="$(basename "$f")"
    [ "$name" = games ] && continue
    ln -sfn "$f" "$play_dir/$name"
done
# Games saved before the games moved out of the build are copied over once, never overwriting.
if [ -d "$root/build/release/data/games" ]; then
    for g in "$root"/build/release/data/games/*; do
        [ -f "$g" ] && cp -n "$g" "$play_dir/games/"
    done
fi
cd "$play_dir"
exec "$root/build/release/bin/marivane-$language"
