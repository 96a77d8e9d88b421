// Feeds arbitrary bytes to the game-file reader. Whatever the file holds, a load must end without a
// read out of bounds or a leak, and a failed load must leave no shipowner counted and no ship.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "world/game_file.h"
#include "world/records.h"

namespace {

constexpr char kInput[] = "fuzz.trp";
char s_dir[] = "/tmp/marivane-fuzz-XXXXXX";

void remove_scratch() {
    unlink(kInput);
    rmdir(s_dir);
}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "game-file reader broke a rule: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The reader opens files by name: give every run a private scratch directory.
    if (mkdtemp(s_dir) == nullptr || chdir(s_dir) != 0) std::abort();
    std::atexit(remove_scratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* f = std::fopen(kInput, "wb");
    if (f == nullptr) std::abort();
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);

    int32_t result = load_game_file(kInput);
    check(result >= GAME_LOAD_OK && result <= GAME_LOAD_BAD_CRC && result != GAME_LOAD_NOT_FOUND,
          "result code");
    int32_t listed = 0;
    for (const Shipowner& o : g_shipowners) listed += ship_count(&o);
    check(listed == ship_blocks_in_use(), "a ship block outside every list");
    if (result != GAME_LOAD_OK) check(g_shipowner_count == 0 && listed == 0, "a failed load kept a game");
    check(g_shipowner_count >= 0 && g_shipowner_count <= SHIPOWNER_MAX, "shipowner count");

    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
    return 0;
}
