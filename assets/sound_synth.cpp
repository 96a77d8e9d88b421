#include "assets/sound_synth.h"

#include <cstddef>

#include "assets/fixed_math.h"

namespace {

constexpr int64_t kTopMillihertz = 3763350;  // 0.45 x the rate: partials above it would fold back as noise
constexpr int32_t kSettlePasses = 3;         // passes round a loop before a filter's output is kept
constexpr int32_t kFilterBits = 8;           // filter states keep this many bits below a sample's last

// The phase step of one sample at a frequency, as a fraction of a turn.
uint64_t phase_step(int64_t millihertz) {
    constexpr int64_t per_second = int64_t{1000} * SYNTH_RATE;
    return static_cast<uint64_t>(((millihertz << 32) + per_second / 2) / per_second);
}

// A fixed-point value times an amplitude in thousandths, as a sample.
int64_t to_sample(int64_t value, int32_t amplitude) {
    return value * amplitude / 1000 >> (FIXED_SHIFT - 16);
}

// Runs step over every sample; round a loop several times so the filter state at the start
// equals the state it reaches at the end.
template <typename Step>
void run_filter(SynthTrack* t, Step step) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    if (n == 0) return;
    std::vector<int32_t> in = t->samples;
    int32_t passes = t->loop ? kSettlePasses : 1;
    for (int32_t p = 0; p < passes; ++p)
        for (int64_t i = 0; i < n; ++i)
            t->samples[static_cast<size_t>(i)] = static_cast<int32_t>(step(in[static_cast<size_t>(i)], i, n));
}

}  // namespace

int64_t synth_ms(int64_t ms) {
    return (ms * SYNTH_RATE + 500) / 1000;
}

SynthTrack synth_track(int64_t length, bool loop) {
    SynthTrack t;
    t.samples.assign(static_cast<size_t>(length), 0);
    t.loop = loop;
    return t;
}

void synth_add(SynthTrack* t, int64_t i, int64_t v) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    if (n == 0) return;
    if (t->loop) {
        i %= n;
        if (i < 0) i += n;
    } else if (i < 0 || i >= n) {
        return;
    }
    t->samples[static_cast<size_t>(i)] += static_cast<int32_t>(v);
}

int32_t synth_noise(SynthNoise* n) {
    uint32_t x = n->state == 0 ? 0x9E3779B9u : n->state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    n->state = x;
    return static_cast<int32_t>(x >> 15) - SYNTH_UNIT;
}

void synth_note(SynthTrack* t, int64_t start, int64_t length, int64_t millihertz, int32_t amplitude,
                const SynthVoice* v) {
    int64_t release = synth_ms(v->release_ms);
    int64_t attack = synth_ms(v->attack_ms);
    int64_t decay = synth_ms(v->decay_ms);
    int64_t sustain = FIXED_ONE * v->sustain / 1000;
    uint64_t step = phase_step(millihertz);
    for (int64_t i = 0; i < length; ++i) {
        int64_t env =
            i < attack ? FIXED_ONE * i / attack
                       : sustain + ((FIXED_ONE - sustain) * fixed_exp_neg(i - attack, decay) >> FIXED_SHIFT);
        if (i >= length - release) env = env * (length - i) / release;
        int64_t sum = 0;
        for (int32_t k = 0; k < v->weight_count; ++k) {
            if (millihertz * (k + 1) > kTopMillihertz) break;
            uint32_t phase =
                static_cast<uint32_t>(static_cast<uint64_t>(i) * step * static_cast<uint64_t>(k + 1));
            sum += int64_t{v->weights[k]} * fixed_sin(phase) / 1000;
        }
        synth_add(t, start + i, to_sample((sum >> 10) * env >> (FIXED_SHIFT - 10), amplitude));
    }
}

void synth_ring(SynthTrack* t, int64_t start, int64_t millihertz, int32_t amplitude, int64_t decay,
                int64_t length) {
    if (millihertz > kTopMillihertz) return;
    int64_t attack = synth_ms(2);
    uint64_t step = phase_step(millihertz);
    for (int64_t i = 0; i < length; ++i) {
        int64_t env = fixed_exp_neg(i, decay);
        if (i < attack) env = env * i / attack;
        if (i >= length - attack) env = env * (length - i) / attack;
        uint32_t phase = static_cast<uint32_t>(static_cast<uint64_t>(i) * step);
        synth_add(t, start + i, to_sample(env * fixed_sin(phase) >> FIXED_SHIFT, amplitude));
    }
}

void synth_burst(SynthTrack* t, int64_t start, int64_t length, int32_t amplitude, int64_t attack,
                 int64_t decay, uint32_t seed) {
    SynthNoise noise{seed};
    if (attack < 1) attack = 1;
    int64_t tail = synth_ms(4);
    for (int64_t i = 0; i < length; ++i) {
        int64_t env = i < attack ? FIXED_ONE * i / attack : fixed_exp_neg(i - attack, decay);
        if (i >= length - tail) env = env * (length - i) / tail;
        int32_t sample = synth_noise(&noise);
        synth_add(t, start + i, (env * sample >> FIXED_SHIFT) * amplitude / 1000);
    }
}

void synth_lowpass(SynthTrack* t, int64_t cutoff_millihertz) {
    // y follows x by the share a = 1 - e^(-2 pi cutoff / rate) of the distance at every sample
    int64_t a =
        FIXED_ONE - fixed_exp_neg(FIXED_TWO_PI * cutoff_millihertz, int64_t{1000} * SYNTH_RATE * FIXED_ONE);
    int64_t y = 0;
    run_filter(t, [&](int64_t x, int64_t, int64_t) {
        y += a * ((x << kFilterBits) - y) >> FIXED_SHIFT;
        return y >> kFilterBits;
    });
}

void synth_bandpass(SynthTrack* t, int64_t (*centre_millihertz)(int64_t i, int64_t n), int32_t q) {
    // A state-variable filter; its band output has unit gain at the centre.
    int64_t low = 0, band = 0;
    int64_t damp = FIXED_ONE / q;
    run_filter(t, [&](int64_t x, int64_t i, int64_t n) {
        // f = 2 sin(pi centre / rate)
        int64_t f = 2 * int64_t{fixed_sin(fixed_turn(centre_millihertz(i, n), int64_t{2000} * SYNTH_RATE))};
        int64_t high = (x << kFilterBits) - low - (damp * band >> FIXED_SHIFT);
        band += f * high >> FIXED_SHIFT;
        low += f * band >> FIXED_SHIFT;
        return (band * damp >> FIXED_SHIFT) >> kFilterBits;
    });
}

void synth_mix(SynthTrack* dst, const SynthTrack* src, int32_t gain, int64_t at) {
    for (size_t i = 0; i < src->samples.size(); ++i)
        synth_add(dst, at + static_cast<int64_t>(i), int64_t{src->samples[i]} * gain / 1000);
}

void synth_shape(SynthTrack* t, int64_t (*gain)(int64_t i, int64_t n)) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    for (int64_t i = 0; i < n; ++i) {
        int32_t& s = t->samples[static_cast<size_t>(i)];
        s = static_cast<int32_t>(s * gain(i, n) >> FIXED_SHIFT);
    }
}

void synth_fade(SynthTrack* t, int64_t fade_in, int64_t fade_out) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    for (int64_t i = 0; i < n; ++i) {
        int64_t s = t->samples[static_cast<size_t>(i)];
        if (i < fade_in) s = s * i / fade_in;
        if (i >= n - fade_out) s = s * (n - 1 - i) / fade_out;
        t->samples[static_cast<size_t>(i)] = static_cast<int32_t>(s);
    }
}

std::vector<int8_t> synth_to_8bit(const SynthTrack* t, int32_t peak) {
    int64_t loudest = 0;
    for (int32_t s : t->samples) loudest = s > loudest ? s : -s > loudest ? -s : loudest;
    int64_t top = peak > 127 ? 127 : peak;
    std::vector<int8_t> out(t->samples.size());
    if (loudest == 0) return out;
    for (size_t i = 0; i < out.size(); ++i) {
        // s x top / loudest, rounded half away from zero
        int64_t twice = 2 * int64_t{t->samples[i]} * top;
        int64_t v = (twice + (twice >= 0 ? loudest : -loudest)) / (2 * loudest);
        out[i] = static_cast<int8_t>(v > 127 ? 127 : v < -127 ? -127 : v);
    }
    return out;
}
