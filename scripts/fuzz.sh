#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each in turn for a bounded time. See usage below.
set -euo pipefail
usage() {
    cat <<'USAGE'
usage: bash scripts/fuzz.sh [seconds] [target ...]
Builds the fuzz targets in build/fuzz and runs each named one (all by default) for its share of the
given seconds (default 120, at most 600): game (saved games, then 30 days of play), font, picture
(picture files) and sound (sound library). Seeds are written by fuzz_seeds from the game's own code
and data files; the corpus grows in build/fuzz/corpus/<target> between runs. A crash or a broken
rule stops the run and leaves the input as build/fuzz/crash-*.
USAGE
}
seconds=120
targets=()
for arg in "$@"; do
    case "$arg" in
        -h|--help) usage; exit 0 ;;
        -*) echo "fuzz.sh: unknown option $arg" >&2; usage >&2; exit 2 ;;
        game|font|picture|sound) targets+=("$arg") ;;
        *[!0-9]*|'') echo "fuzz.sh: not a number of seconds or a target: $arg" >&2; usage >&2; exit 2 ;;
        *) seconds="$arg" ;;
    esac
done
(( ${#targets[@]} )) || targets=(game font picture sound)
if (( seconds > 600 )); then seconds=600; fi
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S . -B "$build" -DMARIVANE_FUZZ=ON -DSANITIZE=address,undefined \
  -DMARIVANE_TESTS=OFF -DMARIVANE_SDL=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

# Each target's program, its largest input, and its weight in the time share.
declare -A program=([game]=fuzz_load_game_file [font]=fuzz_font_load [picture]=fuzz_picture_files
                    [sound]=fuzz_sound_library)
declare -A max_len=([game]=16384 [font]=8192 [picture]=262144 [sound]=8192)
declare -A weight=([game]=4 [font]=2 [picture]=3 [sound]=2)
build_targets=(fuzz_seeds)
total_weight=0
for t in "${targets[@]}"; do build_targets+=("${program[$t]}"); total_weight=$((total_weight + weight[$t])); done
cmake --build "$build" -j"${MARIVANE_JOBS:-$(nproc)}" --target "${build_targets[@]}"

corpus="$build/corpus"
"$build/fuzz/fuzz_seeds" "$build/data" "$corpus"
for t in "${targets[@]}"; do
    share=$(( seconds * weight[$t] / total_weight ))
    (( share >= 1 )) || share=1
    echo "== fuzzing the $t loader for $share s"
    # The targets run in scratch directories of their own: every path given to them is absolute.
    ASAN_OPTIONS=detect_leaks=1 \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
      "$build/fuzz/${program[$t]}" -max_total_time="$share" -max_len="${max_len[$t]}" -print_final_stats=1 \
      -artifact_prefix="$build/crash-$t-" "$corpus/$t"
done
