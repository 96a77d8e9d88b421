// Feeds arbitrary bytes to the sound player as its library file. Whatever the directory says, every
// sound loads with a buffer of its directory length or not at all, and playing, halving, stopping
// and freeing it in the game's order stays inside that buffer.
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "host/headless_host.h"
#include "host/sound_library.h"

namespace {

constexpr char kTarget[] = "sound library";
constexpr char kInput[] = "fuzz.dat";

// Touches every byte of a slot's buffer, so that a buffer shorter than its length is caught.
uint32_t sum_of(const SoundSlot& s) {
    uint32_t sum = 0;
    for (uint32_t i = 0; i < s.length; ++i) sum += s.buffer[i];
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz_enter_scratch_dir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_write_file(kInput, data, size);
    headless_reset();
    sound_library_reset();
    sound_set_mode(SOUND_MODE_WAVE);
    int32_t opened = sound_open_library(kInput);
    fuzz_check(opened == 0 || opened == 1, kTarget, "result code of the open");
    volatile uint32_t sink = 0;
    if (opened == 1) {
        // Each sound alone, as the game plays most of them: load, halve, play, poll, stop, free.
        for (int32_t n = 1; n <= SOUND_COUNT; ++n) {
            int32_t slot = sound_load(n);
            fuzz_check(slot == -1 || slot == 0, kTarget, "a lone sound in a slot other than the first");
            if (slot < 0) continue;
            fuzz_check(g_sound_slots[slot].length == g_sound_directory[n - 1].length, kTarget, "sound length");
            sink = sink + sum_of(g_sound_slots[slot]);
            if (n == 7) sound_halve_rate(slot);
            sound_play(n, slot);
            sink = sink + static_cast<uint32_t>(sound_is_done(slot));
            sound_stop(slot);
            sound_free(slot);
        }
        // All four slots taken, as the broker's building does, and a fifth refused.
        int32_t slots[SOUND_SLOTS];
        bool all_loaded = true;
        for (int32_t k = 0; k < SOUND_SLOTS; ++k) {
            slots[k] = sound_load(k + 3);
            all_loaded = all_loaded && slots[k] == k;
        }
        if (all_loaded) fuzz_check(sound_load(1) == -1, kTarget, "a fifth slot");
        for (int32_t k = 0; k < SOUND_SLOTS; ++k) {
            if (slots[k] < 0) continue;
            sound_halve_rate(slots[k]);
            sound_play(1, slots[k]);
            sink = sink + sum_of(g_sound_slots[slots[k]]);
        }
        for (int32_t slot : slots) sound_stop(slot);
        for (int32_t slot : slots) sound_free(slot);
    }
    sound_library_reset();
    return 0;
}
