#include "host/sound_library.h"

#include <cstdlib>
#include <cstring>

#include "host/platform.h"

int32_t g_sound_mode = SOUND_MODE_OFF;
SoundDirEntry g_sound_directory[SOUND_COUNT] = {};
SoundSlot g_sound_slots[SOUND_SLOTS] = {};
int32_t g_sound_pitch = 0;

namespace {

int32_t g_library = -1;       // the open library file, kept for later loads
int32_t g_library_size = 0;   // its length in bytes
bool g_device_open = false;

// The one header the voice plays from, whatever sound plays now. A header that has never been
// played does not report done; a reset one does.
struct OutputHeader {
    const uint8_t* buffer;
    bool queued;  // handed to the voice, which now keeps its done state
    bool done;
};
OutputHeader g_header{};

bool valid_slot(int32_t slot) { return slot >= 0 && slot < SOUND_SLOTS; }

uint32_t big_endian(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           p[3];
}

// Stops the voice and closes the device; the header is then done.
void close_device() {
    if (!g_device_open) return;
    platform_voice_reset();
    platform_voice_close();
    g_device_open = false;
    g_header.queued = false;
    g_header.done = true;
}

}  // namespace

int32_t sound_set_mode(int32_t mode) {
    for (SoundSlot& s : g_sound_slots) s = SoundSlot{};
    g_sound_mode = mode;
    if (mode == SOUND_MODE_PROBE) {
        g_sound_mode = SOUND_MODE_OFF;  // the probe never finds a card
        return 1;
    }
    return 0;
}

int32_t sound_open_library(const char* file_name) {
    if (g_sound_mode == SOUND_MODE_OFF) return 1;
    int32_t h = dos_open(file_name, DOS_O_RDONLY | DOS_O_BINARY);
    if (h < 0) return 0;
    g_library = h;
    uint8_t raw[SOUND_DIRECTORY_BYTES] = {};
    if (dos_read(h, raw, SOUND_DIRECTORY_BYTES) == -1) return 0;
    for (int32_t k = 0; k < SOUND_COUNT; ++k) {
        g_sound_directory[k].offset = big_endian(raw + 12 * k);
        g_sound_directory[k].length = big_endian(raw + 12 * k + 4);
        g_sound_directory[k].period = big_endian(raw + 12 * k + 8);
    }
    g_library_size = dos_lseek(h, 0, DOS_SEEK_END);
    return 1;
}

int32_t sound_load(int32_t n) {
    if (g_sound_mode == SOUND_MODE_OFF || n < 1 || n > SOUND_COUNT) return -1;
    int32_t slot = 0;
    while (slot < SOUND_SLOTS && g_sound_slots[slot].buffer != nullptr) ++slot;
    if (slot == SOUND_SLOTS) return -1;
    const SoundDirEntry& e = g_sound_directory[n - 1];
    // A length beyond the whole file can only come from a damaged directory: no buffer for it.
    if (g_library_size < 0 || e.length > static_cast<uint32_t>(g_library_size)) return -1;
    auto* buffer = static_cast<uint8_t*>(std::malloc(e.length == 0 ? 1 : e.length));
    if (buffer == nullptr) return -1;
    dos_lseek(g_library, static_cast<int32_t>(e.offset), DOS_SEEK_SET);
    int32_t got = dos_read(g_library, buffer, e.length);
    uint32_t read = got < 0 ? 0 : static_cast<uint32_t>(got);
    std::memset(buffer + read, 0, e.length - read);  // what could not be read plays as silence
    for (uint32_t i = 0; i < e.length; ++i) buffer[i] = static_cast<uint8_t>(buffer[i] + 128);
    g_sound_slots[slot] = SoundSlot{buffer, e.length, static_cast<uint16_t>(e.period & 0xFFFF), 0};
    return slot;
}

int32_t sound_halve_rate(int32_t slot) {
    if (!valid_slot(slot)) return 0;
    SoundSlot& s = g_sound_slots[slot];
    if (s.buffer == nullptr) return slot;
    uint32_t half = s.length / 2;
    for (uint32_t i = 0; i < half; ++i) s.buffer[i] = s.buffer[2 * i];
    s.length = half;
    return static_cast<int32_t>(half);
}

int32_t sound_free(int32_t slot) {
    if (g_sound_mode == SOUND_MODE_OFF || !valid_slot(slot)) return 0;
    SoundSlot& s = g_sound_slots[slot];
    s.playing = 0;
    // Callers stop the sound first; should one not, the voice must not go on reading freed samples.
    if (s.buffer != nullptr && g_header.queued && g_header.buffer == s.buffer && platform_voice_done() == 0) {
        platform_voice_reset();
        g_header.queued = false;
        g_header.done = true;
    }
    std::free(s.buffer);
    s = SoundSlot{};
    return 0;
}

int32_t sound_stop(int32_t slot) {
    if (g_sound_mode == SOUND_MODE_OFF || !valid_slot(slot)) return 0;
    SoundSlot& s = g_sound_slots[slot];
    if (s.buffer == nullptr || s.playing == 0) return 0;
    close_device();
    s.playing = 0;
    return 0;
}

int32_t sound_is_done(int32_t slot) {
    if (g_sound_mode == SOUND_MODE_OFF || slot < 0) return 1;
    if (g_sound_mode == SOUND_MODE_PERIOD) return 1;  // that mode outputs nothing
    if (g_header.queued && platform_voice_done() != 0) {
        g_header.queued = false;
        g_header.done = true;
    }
    return g_header.done ? 1 : 0;
}

int32_t sound_play(int32_t loops, int32_t slot) {
    if (g_sound_mode == SOUND_MODE_OFF || !valid_slot(slot)) return 0;
    SoundSlot& s = g_sound_slots[slot];
    if (s.buffer == nullptr) return 0;
    s.playing = 1;
    sound_output_start(s.buffer, s.length, static_cast<uint32_t>(loops));
    return 0;
}

int32_t sound_output_start(const uint8_t* buffer, uint32_t length, uint32_t loops) {
    if (g_sound_mode != SOUND_MODE_WAVE) return 0;
    close_device();
    if (platform_voice_open() == 0) {
        platform_voice_reset();  // silence whatever else plays, then one more try
        if (platform_voice_open() == 0) {
            g_sound_mode = SOUND_MODE_OFF;  // no sound for the rest of the run
            return 0;
        }
    }
    g_device_open = true;
    g_header = OutputHeader{buffer, true, false};
    platform_voice_start(buffer, length, loops);
    return 0;
}

int32_t sound_set_pitch(int32_t, int32_t value, int32_t) {
    if (g_sound_mode == SOUND_MODE_PERIOD) {
        if (value >= 144 && value <= 1024 && value / 2 != g_sound_pitch) g_sound_pitch = value / 2;
    } else if (g_sound_mode == SOUND_MODE_WAVE || g_sound_mode == SOUND_MODE_PROBE) {
        if (value >= 144 && value <= 512 && value != g_sound_pitch) g_sound_pitch = value;
    }
    return 0;
}

void sound_library_reset() {
    close_device();
    for (SoundSlot& s : g_sound_slots) {
        std::free(s.buffer);
        s = SoundSlot{};
    }
    if (g_library >= 0) dos_close(g_library);
    g_library = -1;
    g_library_size = 0;
    g_header = OutputHeader{};
    g_sound_mode = SOUND_MODE_OFF;
    g_sound_pitch = 0;
    std::memset(g_sound_directory, 0, sizeof g_sound_directory);
}
