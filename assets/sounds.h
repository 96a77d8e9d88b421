// The nine sounds of the sound library "sounds.dat", synthesised at build time, and the file
// itself: a directory of nine entries (big-endian offset, length and replay period) followed by
// the signed 8-bit samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/sound_synth.h"

constexpr int32_t SOUND_LIBRARY_COUNT = 9;
constexpr uint32_t SOUND_LIBRARY_PERIOD = 428;  // 3 579 545 / 428 = 8363 samples a second

struct SoundRecipe {
    const char* role;
    SynthTrack (*render)();
    bool loops;  // played with a loop count above 1, so its end must lead into its start
};

// Sound k + 1 is g_sound_recipes[k].
extern const SoundRecipe g_sound_recipes[SOUND_LIBRARY_COUNT];

SynthTrack sound_intro_music();   // 1
SynthTrack sound_menu_music();    // 2
SynthTrack sound_lift_start();    // 3
SynthTrack sound_lift_running();  // 4
SynthTrack sound_lift_doors();    // 5
SynthTrack sound_crash();         // 6
SynthTrack sound_engine();        // 7
SynthTrack sound_gale();          // 8
SynthTrack sound_distress();      // 9

// The whole library file from the nine sample sets.
std::string sound_library_bytes(const std::vector<std::vector<int8_t>>& sounds);
