#!/usr/bin/env bash
# Builds the game-file fuzz target with clang (libFuzzer and AddressSanitizer) and runs it for at
# most a minute: bash scripts/fuzz.sh [seconds]. The corpus starts from saved games made by the
# tests' generator below and is kept in build/fuzz/corpus between runs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
if (( seconds > 60 )); then seconds=60; fi
build="$PWD/build/fuzz"
CC=clang CXX=clang++ cmake -S . -B "$build" -DMARIVANE_FUZZ=ON -DSANITIZE=address \
  -DMARIVANE_TESTS=OFF -DMARIVANE_SDL=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_load_game_file
corpus="$build/corpus"
mkdir -p "$corpus"
# Seeds: a game of no shipowners and one of one shipowner with one ship, in the current format.
python3 - "$corpus" <<'PY'
import struct, sys
def checksum(owners):
    c = 140557
    for status, cash in owners:
        c = (c * 174321 + 1234) & 0xFFFFFFFF
        c = (c + (((status + cash) & 0xFFFFFFFF) ^ 0xFFA4)) & 0xFFFFFFFF
    return (c * 174321 + 1234) & 0xFFFFFFFF
def header(count):
    return (b"TWX  MRV  2.0 SAVE 2003 Tarnholm" + b"\x1a" + struct.pack("<bib", 1, 6000, count)
            + struct.pack("<iiiiii", -1, 0, 3, 1000, 1000, 12) + bytes([0, 1, 2, 3]) + struct.pack("<i", 0))
tail = lambda owners: struct.pack("<I", checksum(owners)) + b"--TWX--\0"
open(sys.argv[1] + "/seed-empty.trp", "wb").write(header(0) + tail([]))
owner = bytearray(1124)
struct.pack_into("<ii", owner, 0, 5, 5)
owner[8:12] = b"Ann\0"; owner[44] = 11
struct.pack_into("<i", owner, 48, 4100)
struct.pack_into("<I", owner, 88, 1)
ship = bytearray(128)
ship[4:8] = b"Sea\0"; ship[16] = 3; ship[40] = 29; ship[42] = 14
struct.pack_into("<h", ship, 56, 1)
open(sys.argv[1] + "/seed-one.trp", "wb").write(header(1) + bytes(owner) + bytes(ship) + tail([(5, 4100)]))
PY
ASAN_OPTIONS=detect_leaks=1 "$build/fuzz/fuzz_load_game_file" -max_total_time="$seconds" -max_len=16384 \
  -print_final_stats=1 "$corpus"
