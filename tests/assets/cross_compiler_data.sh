#!/usr/bin/env bash
# The data-file generator gives the same files, byte for byte, whether gcc or clang builds it.
# Usage: cross_compiler_data.sh <source dir> <work dir> [<build dir> ...]
# For each compiler the generator comes from the first build dir given that is a build of this
# source by that compiler without sanitizers; failing that, from a small build dir of its own under
# the work dir (no sanitizers, no tests, no window host), kept for the next run. Only the generator
# is built, and only what changed since the last run. Exits 77 (skipped) without both compilers.
set -euo pipefail
shopt -s nullglob
src="$(cd "$1" && pwd)"
work="$2"
shift 2
candidates=("$@")
jobs="${CROSS_COMPILER_JOBS:-4}"

for cxx in g++ clang++; do
    if ! command -v "$cxx" > /dev/null; then
        echo "$cxx is not installed: nothing to compare"
        exit 77
    fi
done

# The compiler family (GNU or Clang) of a configured build of this source without sanitizers.
family_of() {
    local dir="$1"
    [[ -f "$dir/CMakeCache.txt" ]] || return 0
    grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$src" "$dir/CMakeCache.txt" || return 0
    grep -qx "SANITIZE:STRING=" "$dir/CMakeCache.txt" || return 0
    sed -n 's/^set(CMAKE_CXX_COMPILER_ID "\(.*\)")$/\1/p' "$dir"/CMakeFiles/*/CMakeCXXCompiler.cmake \
        2> /dev/null | head -1
}

generate() {  # <name> <compiler family> <compiler>
    local name="$1" family="$2" cxx="$3" dir=""
    for candidate in "${candidates[@]}"; do
        if [[ "$(family_of "$candidate")" == "$family" ]]; then
            dir="$candidate"
            break
        fi
    done
    if [[ -z "$dir" ]]; then
        dir="$work/$name"
        if [[ ! -f "$dir/CMakeCache.txt" ]]; then
            cmake -S "$src" -B "$dir" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Release -DSANITIZE= \
                -DMARIVANE_TESTS=OFF -DMARIVANE_SDL=OFF -DMARIVANE_BENCH=OFF -DMARIVANE_FUZZ=OFF \
                > "$work/$name.configure.log" 2>&1 || { cat "$work/$name.configure.log"; exit 1; }
        fi
    fi
    echo "$name: the generator of $dir"
    cmake --build "$dir" -j"$jobs" --target make_assets > "$work/$name.build.log" 2>&1 ||
        { cat "$work/$name.build.log"; exit 1; }
    rm -rf "$work/$name-data"
    mkdir -p "$work/$name-data"
    "$dir/assets/make_assets" "$work/$name-data"
}

mkdir -p "$work"
generate gcc GNU g++
generate clang Clang clang++

status=0
count=0
for file in "$work"/gcc-data/*; do
    count=$((count + 1))
    cmp "$file" "$work/clang-data/$(basename "$file")" || status=1
done
for file in "$work"/clang-data/*; do
    if [[ ! -e "$work/gcc-data/$(basename "$file")" ]]; then
        echo "only the clang build writes $(basename "$file")"
        status=1
    fi
done
if (( count == 0 )); then
    echo "the generator wrote nothing"
    status=1
fi
if (( status == 0 )); then
    echo "all $count data files are the same from gcc and clang"
fi
exit $status
