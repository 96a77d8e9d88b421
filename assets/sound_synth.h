// Small synthesis kit for the game's sampled sounds: a track of fixed-point samples at the replay
// rate (8363 a second), notes with envelopes, seeded noise and simple filters, and the conversion
// to signed 8-bit samples.
//
// A looping track is rendered circularly: whatever sounds past its end continues at its start, and
// filters run round it until they settle, so the last sample leads into the first as smoothly as
// any two neighbours and the loop never clicks. Everything is integer arithmetic (see
// fixed_math.h) with seeded noise and no clock, so the generated file is the same on every run and
// from every compiler.
//
// Units: times and lengths are counted in samples (synth_ms converts), frequencies in thousandths
// of a hertz, amplitudes, gains and harmonic weights in thousandths of full scale.
#pragma once

#include <cstdint>
#include <vector>

constexpr int32_t SYNTH_RATE = 8363;
constexpr int32_t SYNTH_UNIT = 1 << 16;  // a sample of full scale (1.0)

struct SynthTrack {
    std::vector<int32_t> samples;  // SYNTH_UNIT is full scale; louder sums are scaled down at the end
    bool loop;                     // rendered circularly: sound past the end wraps to the start
};

// The number of samples in ms milliseconds, rounded.
int64_t synth_ms(int64_t ms);
// A silent track of the given number of samples.
SynthTrack synth_track(int64_t length, bool loop);
// Adds v at sample i: wrapped into the track when it loops, dropped outside it otherwise.
void synth_add(SynthTrack* t, int64_t i, int64_t v);

// Seeded white noise in -SYNTH_UNIT .. SYNTH_UNIT - 1 (xorshift), the same sequence for the same seed.
struct SynthNoise {
    uint32_t state;
};
int32_t synth_noise(SynthNoise* n);

// A tone: harmonic weights (weights[k] for partial k + 1, partials above the audible limit of the
// rate are left out), a linear attack, an exponential decay towards the sustain level with time
// constant decay_ms, and a linear release over the last release_ms of the note.
struct SynthVoice {
    const int32_t* weights;
    int32_t weight_count;
    int32_t attack_ms;
    int32_t decay_ms;
    int32_t sustain;
    int32_t release_ms;
};
void synth_note(SynthTrack* t, int64_t start, int64_t length, int64_t millihertz, int32_t amplitude,
                const SynthVoice* v);
// A partial at a free (inharmonic) frequency decaying exponentially (time constant decay) from
// start: bells, clangs.
void synth_ring(SynthTrack* t, int64_t start, int64_t millihertz, int32_t amplitude, int64_t decay,
                int64_t length);
// A burst of noise decaying exponentially (time constant decay) after a short attack.
void synth_burst(SynthTrack* t, int64_t start, int64_t length, int32_t amplitude, int64_t attack,
                 int64_t decay, uint32_t seed);

// Filters over the whole track in place (around it, until settled, when it loops).
void synth_lowpass(SynthTrack* t, int64_t cutoff_millihertz);
// A resonant band-pass whose centre may move: centre_millihertz(i, n) gives it for sample i of n.
void synth_bandpass(SynthTrack* t, int64_t (*centre_millihertz)(int64_t i, int64_t n), int32_t q);

// Mixes src into dst times gain (src no longer than dst; it wraps when dst loops).
void synth_mix(SynthTrack* dst, const SynthTrack* src, int32_t gain, int64_t at);
// Multiplies sample i of n by gain(i, n), a fixed-point factor (FIXED_ONE is 1).
void synth_shape(SynthTrack* t, int64_t (*gain)(int64_t i, int64_t n));
// A one-shot sound fades in over its first fade_in samples and out over its last fade_out, so
// that it starts and ends at silence.
void synth_fade(SynthTrack* t, int64_t fade_in, int64_t fade_out);

// Scales the track so that its loudest sample reaches peak (at most 127) and rounds to signed
// 8-bit samples.
std::vector<int8_t> synth_to_8bit(const SynthTrack* t, int32_t peak);
