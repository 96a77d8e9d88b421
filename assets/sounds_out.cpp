// Writes the sound library "sounds.dat": the nine synthesised sounds behind their directory.
#include <cstdio>
#include <fstream>

#include "assets/assets.h"
#include "assets/sounds.h"

const SoundRecipe g_sound_recipes[SOUND_LIBRARY_COUNT] = {
    {"intro and closing music", sound_intro_music, true},
    {"menu music", sound_menu_music, true},
    {"lift starting", sound_lift_start, false},
    {"lift running", sound_lift_running, true},
    {"lift doors", sound_lift_doors, false},
    {"crash", sound_crash, false},
    {"engine", sound_engine, true},
    {"gale", sound_gale, true},
    {"emergency signal", sound_distress, true},
};

std::string sound_library_bytes(const std::vector<std::vector<int8_t>>& sounds) {
    std::string out;
    auto u32 = [&out](uint32_t v) {
        for (int32_t shift = 24; shift >= 0; shift -= 8)
            out.push_back(static_cast<char>((v >> shift) & 0xFF));
    };
    uint32_t offset = 12 * static_cast<uint32_t>(sounds.size());
    for (const auto& s : sounds) {
        u32(offset);
        u32(static_cast<uint32_t>(s.size()));
        u32(SOUND_LIBRARY_PERIOD);
        offset += static_cast<uint32_t>(s.size());
    }
    for (const auto& s : sounds) out.append(reinterpret_cast<const char*>(s.data()), s.size());
    return out;
}

int write_sound_library(const std::string& dir) {
    std::vector<std::vector<int8_t>> sounds;
    for (const SoundRecipe& r : g_sound_recipes) {
        SynthTrack t = r.render();
        sounds.push_back(synth_to_8bit(&t, 110));
    }
    std::string bytes = sound_library_bytes(sounds);
    std::string path = dir + "/sounds.dat";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
