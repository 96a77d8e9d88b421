#include "assets/sound_synth.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTopHz = 0.45 * SYNTH_RATE;  // partials above this would fold back as noise
constexpr int32_t kSettlePasses = 3;          // passes round a loop before a filter's output is kept

int64_t at(double seconds) {
    return std::llround(seconds * SYNTH_RATE);
}

// Runs step over every sample; round a loop several times so the filter state at the start
// equals the state it reaches at the end.
template <typename Step>
void run_filter(SynthTrack* t, Step step) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    if (n == 0) return;
    std::vector<float> in = t->samples;
    int32_t passes = t->loop ? kSettlePasses : 1;
    for (int32_t p = 0; p < passes; ++p)
        for (int64_t i = 0; i < n; ++i)
            t->samples[static_cast<size_t>(i)] = step(in[static_cast<size_t>(i)], i, n);
}

}  // namespace

SynthTrack synth_track(double seconds, bool loop) {
    SynthTrack t;
    t.samples.assign(static_cast<size_t>(at(seconds)), 0.0f);
    t.loop = loop;
    return t;
}

double synth_seconds(const SynthTrack* t) {
    return static_cast<double>(t->samples.size()) / SYNTH_RATE;
}

void synth_add(SynthTrack* t, int64_t i, float v) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    if (n == 0) return;
    if (t->loop) {
        i %= n;
        if (i < 0) i += n;
    } else if (i < 0 || i >= n) {
        return;
    }
    t->samples[static_cast<size_t>(i)] += v;
}

float synth_noise(SynthNoise* n) {
    uint32_t x = n->state == 0 ? 0x9E3779B9u : n->state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    n->state = x;
    return static_cast<float>(static_cast<double>(x) / 2147483648.0 - 1.0);
}

void synth_note(SynthTrack* t, double start_s, double length_s, double hz, float amplitude,
                const SynthVoice* v) {
    int64_t first = at(start_s);
    int64_t count = at(length_s);
    int64_t release = at(v->release_s);
    int64_t attack = at(v->attack_s);
    for (int64_t i = 0; i < count; ++i) {
        double time = static_cast<double>(i) / SYNTH_RATE;
        double env = i < attack
                         ? static_cast<double>(i) / static_cast<double>(attack)
                         : v->sustain + (1.0 - v->sustain) * std::exp(-(time - v->attack_s) / v->decay_s);
        if (i >= count - release) env *= static_cast<double>(count - i) / static_cast<double>(release);
        double sum = 0.0;
        for (int32_t k = 0; k < v->weight_count; ++k) {
            double f = hz * (k + 1);
            if (f > kTopHz) break;
            sum += v->weights[k] * std::sin(2.0 * kPi * f * time);
        }
        synth_add(t, first + i, static_cast<float>(amplitude * env * sum));
    }
}

void synth_ring(SynthTrack* t, double start_s, double hz, float amplitude, double decay_s, double length_s) {
    if (hz > kTopHz) return;
    int64_t first = at(start_s);
    int64_t count = at(length_s);
    int64_t attack = at(0.002);
    for (int64_t i = 0; i < count; ++i) {
        double time = static_cast<double>(i) / SYNTH_RATE;
        double env = std::exp(-time / decay_s);
        if (i < attack) env *= static_cast<double>(i) / static_cast<double>(attack);
        if (i >= count - attack) env *= static_cast<double>(count - i) / static_cast<double>(attack);
        synth_add(t, first + i, static_cast<float>(amplitude * env * std::sin(2.0 * kPi * hz * time)));
    }
}

void synth_burst(SynthTrack* t, double start_s, double length_s, float amplitude, double attack_s,
                 double decay_s, uint32_t seed) {
    SynthNoise noise{seed};
    int64_t first = at(start_s);
    int64_t count = at(length_s);
    int64_t attack = at(attack_s) > 0 ? at(attack_s) : 1;
    int64_t tail = at(0.004);
    for (int64_t i = 0; i < count; ++i) {
        double time = static_cast<double>(i) / SYNTH_RATE;
        double env = i < attack ? static_cast<double>(i) / static_cast<double>(attack)
                                : std::exp(-(time - attack_s) / decay_s);
        if (i >= count - tail) env *= static_cast<double>(count - i) / static_cast<double>(tail);
        synth_add(t, first + i, static_cast<float>(amplitude * env * synth_noise(&noise)));
    }
}

void synth_lowpass(SynthTrack* t, double cutoff_hz) {
    float a = static_cast<float>(1.0 - std::exp(-2.0 * kPi * cutoff_hz / SYNTH_RATE));
    float y = 0.0f;
    run_filter(t, [&](float x, int64_t, int64_t) { return y += a * (x - y); });
}

void synth_highpass(SynthTrack* t, double cutoff_hz) {
    float a = static_cast<float>(1.0 - std::exp(-2.0 * kPi * cutoff_hz / SYNTH_RATE));
    float low = 0.0f;
    run_filter(t, [&](float x, int64_t, int64_t) {
        low += a * (x - low);
        return x - low;
    });
}

void synth_bandpass(SynthTrack* t, double (*centre_hz)(int64_t i, int64_t n), double q) {
    // A state-variable filter; its band output has unit gain at the centre.
    float low = 0.0f, band = 0.0f;
    float damp = static_cast<float>(1.0 / q);
    run_filter(t, [&](float x, int64_t i, int64_t n) {
        float f = static_cast<float>(2.0 * std::sin(kPi * centre_hz(i, n) / SYNTH_RATE));
        float high = x - low - damp * band;
        band += f * high;
        low += f * band;
        return band * damp;
    });
}

void synth_mix(SynthTrack* dst, const SynthTrack* src, float gain, double at_s) {
    int64_t first = at(at_s);
    for (size_t i = 0; i < src->samples.size(); ++i)
        synth_add(dst, first + static_cast<int64_t>(i), gain * src->samples[i]);
}

void synth_shape(SynthTrack* t, float (*gain)(int64_t i, int64_t n)) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    for (int64_t i = 0; i < n; ++i) t->samples[static_cast<size_t>(i)] *= gain(i, n);
}

void synth_fade(SynthTrack* t, double fade_in_s, double fade_out_s) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    int64_t in = at(fade_in_s), out = at(fade_out_s);
    for (int64_t i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < in) g *= static_cast<double>(i) / static_cast<double>(in);
        if (i >= n - out) g *= static_cast<double>(n - 1 - i) / static_cast<double>(out);
        t->samples[static_cast<size_t>(i)] *= static_cast<float>(g);
    }
}

std::vector<int8_t> synth_to_8bit(const SynthTrack* t, int32_t peak) {
    float loudest = 0.0f;
    for (float s : t->samples) loudest = std::fabs(s) > loudest ? std::fabs(s) : loudest;
    float scale = loudest > 0.0f ? static_cast<float>(peak > 127 ? 127 : peak) / loudest : 0.0f;
    std::vector<int8_t> out(t->samples.size());
    for (size_t i = 0; i < out.size(); ++i) {
        long v = std::lround(t->samples[i] * scale);
        out[i] = static_cast<int8_t>(v > 127 ? 127 : v < -127 ? -127 : v);
    }
    return out;
}
