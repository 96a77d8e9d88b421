// The single sound voice as the audio device pulls it: the current buffer played a number of
// times in a row, then silence. Unsigned 8-bit samples, silence 0x80.
#pragma once

#include <cstdint>

constexpr uint8_t VOICE_SILENCE = 0x80;

struct Voice {
    const uint8_t* samples;
    uint32_t length;
    uint32_t plays_left;  // whole plays still to come, counting the one under way
    uint32_t position;    // next byte of the play under way
    bool playing;
};

// Starts a buffer from its first byte, ending whatever played before. A loop count of 0 plays it
// once, like 1. An empty buffer plays nothing and is done at once.
void voice_start(Voice* v, const uint8_t* samples, uint32_t length, uint32_t loops);
// Silences the voice; it no longer touches its buffer.
void voice_reset(Voice* v);
// Fills out with the next count bytes of output.
void voice_mix(Voice* v, uint8_t* out, uint32_t count);
