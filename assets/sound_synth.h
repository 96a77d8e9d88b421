// Small synthesis kit for the game's sampled sounds: a track of floating-point samples at the
// replay rate (8363 a second), notes with envelopes, seeded noise and simple filters, and the
// conversion to signed 8-bit samples.
//
// A looping track is rendered circularly: whatever sounds past its end continues at its start, and
// filters run round it until they settle, so the last sample leads into the first as smoothly as
// any two neighbours and the loop never clicks. Everything is deterministic (seeded noise, no
// clock), so the generated file is the same on every run.
#pragma once

#include <cstdint>
#include <vector>

constexpr int32_t SYNTH_RATE = 8363;

struct SynthTrack {
    std::vector<float> samples;
    bool loop;  // rendered circularly: sound past the end wraps to the start
};

// A silent track of the given length in seconds (rounded to whole samples).
SynthTrack synth_track(double seconds, bool loop);
double synth_seconds(const SynthTrack* t);
// Adds v at sample i: wrapped into the track when it loops, dropped outside it otherwise.
void synth_add(SynthTrack* t, int64_t i, float v);

// Seeded white noise in -1..1 (xorshift), the same sequence for the same seed.
struct SynthNoise {
    uint32_t state;
};
float synth_noise(SynthNoise* n);

// A tone: harmonic weights (weights[k] for partial k + 1, partials above the audible limit of the
// rate are left out), a linear attack, an exponential decay towards the sustain level with time
// constant decay_s, and a linear release over the last release_s of the note.
struct SynthVoice {
    const float* weights;
    int32_t weight_count;
    double attack_s;
    double decay_s;
    float sustain;
    double release_s;
};
void synth_note(SynthTrack* t, double start_s, double length_s, double hz, float amplitude,
                const SynthVoice* v);
// A partial at a free (inharmonic) frequency decaying exponentially from start_s: bells, clangs.
void synth_ring(SynthTrack* t, double start_s, double hz, float amplitude, double decay_s, double length_s);
// A burst of noise decaying exponentially (time constant decay_s) after a short attack.
void synth_burst(SynthTrack* t, double start_s, double length_s, float amplitude, double attack_s,
                 double decay_s, uint32_t seed);

// Filters over the whole track in place (around it, until settled, when it loops).
void synth_lowpass(SynthTrack* t, double cutoff_hz);
void synth_highpass(SynthTrack* t, double cutoff_hz);
// A resonant band-pass whose centre may move: centre_hz(i) gives it for sample i.
void synth_bandpass(SynthTrack* t, double (*centre_hz)(int64_t i, int64_t n), double q);

// Mixes src into dst times gain (src no longer than dst; it wraps when dst loops).
void synth_mix(SynthTrack* dst, const SynthTrack* src, float gain, double at_s);
// Multiplies every sample by gain(i, n).
void synth_shape(SynthTrack* t, float (*gain)(int64_t i, int64_t n));
// A one-shot sound fades in over its first fade_in_s and out over its last fade_out_s, so that it
// starts and ends at silence.
void synth_fade(SynthTrack* t, double fade_in_s, double fade_out_s);

// Scales the track so that its loudest sample reaches peak (at most 127) and rounds to signed
// 8-bit samples.
std::vector<int8_t> synth_to_8bit(const SynthTrack* t, int32_t peak);
