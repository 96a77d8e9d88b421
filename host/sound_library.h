// The game's sounds: nine samples in the library file "sounds.dat", loaded into four slots and
// played one at a time on the platform's single voice (starting a sound ends the one before).
// Game thread only. A slot is 0..3; -1 stands for no slot and every operation accepts it and
// does nothing.
//
// The library starts with a directory of nine 12-byte entries, one per sound, each three
// big-endian 32-bit fields: the file offset of the samples, their length in bytes, and a replay
// period (ticks of a 3 579 545 Hz clock, low 16 bits kept; playback is always 8363 samples a
// second). Samples are signed 8-bit mono and are turned into unsigned (silence 128) on loading.
#pragma once

#include <cstdint>

constexpr int32_t SOUND_COUNT = 9;
constexpr int32_t SOUND_SLOTS = 4;
constexpr int32_t SOUND_DIRECTORY_BYTES = SOUND_COUNT * 12;
constexpr int32_t SOUND_OUTPUT_RATE = 8363;

enum : int32_t { SOUND_MODE_OFF = 0, SOUND_MODE_PERIOD = 1, SOUND_MODE_WAVE = 2, SOUND_MODE_PROBE = 3 };

struct SoundDirEntry {
    uint32_t offset;
    uint32_t length;
    uint32_t period;
};

struct SoundSlot {
    uint8_t* buffer;  // the converted samples; null = free
    uint32_t length;
    uint16_t period;
    uint32_t playing;  // 1 after sound_play, 0 after sound_stop or sound_free
};

extern int32_t g_sound_mode;
extern SoundDirEntry g_sound_directory[SOUND_COUNT];
extern SoundSlot g_sound_slots[SOUND_SLOTS];
extern int32_t g_sound_pitch;

int32_t sound_set_mode(int32_t mode);
int32_t sound_open_library(const char* file_name);
int32_t sound_load(int32_t n);
int32_t sound_halve_rate(int32_t slot);
int32_t sound_free(int32_t slot);
int32_t sound_stop(int32_t slot);
int32_t sound_is_done(int32_t slot);
int32_t sound_play(int32_t loops, int32_t slot);
int32_t sound_output_start(const uint8_t* buffer, uint32_t length, uint32_t loops);
int32_t sound_set_pitch(int32_t slot, int32_t value, int32_t volume);

// Back to the state before start-up (tests): frees the slots, closes the voice and the library.
void sound_library_reset();
