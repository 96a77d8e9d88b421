#include "host/voice_mixer.h"

#include <cstring>

void voice_start(Voice* v, const uint8_t* samples, uint32_t length, uint32_t loops) {
    v->samples = samples;
    v->length = length;
    v->plays_left = loops == 0 ? 1 : loops;
    v->position = 0;
    v->playing = samples != nullptr && length > 0;
}

void voice_reset(Voice* v) { *v = Voice{}; }

void voice_mix(Voice* v, uint8_t* out, uint32_t count) {
    while (count > 0 && v->playing) {
        uint32_t n = v->length - v->position;
        if (n > count) n = count;
        std::memcpy(out, v->samples + v->position, n);
        out += n;
        count -= n;
        v->position += n;
        if (v->position == v->length) {
            v->position = 0;
            if (--v->plays_left == 0) voice_reset(v);
        }
    }
    if (count > 0) std::memset(out, VOICE_SILENCE, count);
}
