// The seven sound effects: the broker's lift (start, running, doors), the crash, the ship's
// engine, the gale and the distress signal. The ones played in a loop are rendered round the loop
// (see sound_synth.h); the one-shots fade to silence at their end, since they are stopped or freed
// right after.
#include <cmath>

#include "assets/sounds.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A frequency that fits a whole number of cycles into a loop of n samples, near hz.
double loop_hz(double hz, int64_t n) {
    double cycles = std::round(hz * static_cast<double>(n) / SYNTH_RATE);
    return cycles * SYNTH_RATE / static_cast<double>(n);
}

// Seeded white noise over the whole track.
SynthTrack noise_track(double seconds, bool loop, float amplitude, uint32_t seed) {
    SynthTrack t = synth_track(seconds, loop);
    SynthNoise n{seed};
    for (float& s : t.samples) s = amplitude * synth_noise(&n);
    return t;
}

// A steady tone with harmonic weights, whole cycles per loop when the track loops.
void add_drone(SynthTrack* t, double hz, const float* weights, int32_t count, float amplitude) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    if (t->loop) hz = loop_hz(hz, n);
    for (int64_t i = 0; i < n; ++i) {
        double time = static_cast<double>(i) / SYNTH_RATE;
        double sum = 0.0;
        for (int32_t k = 0; k < count; ++k)
            if (hz * (k + 1) < 0.45 * SYNTH_RATE)
                sum += weights[k] * std::sin(2.0 * kPi * hz * (k + 1) * time);
        t->samples[static_cast<size_t>(i)] += static_cast<float>(amplitude * sum);
    }
}

// A low thump: a sine gliding down from hz_from to hz_to, decaying.
void add_thump(SynthTrack* t, double start_s, double hz_from, double hz_to, float amplitude, double decay_s,
               double length_s) {
    int64_t first = std::llround(start_s * SYNTH_RATE);
    int64_t count = std::llround(length_s * SYNTH_RATE);
    double phase = 0.0;
    for (int64_t i = 0; i < count; ++i) {
        double time = static_cast<double>(i) / SYNTH_RATE;
        double hz = hz_to + (hz_from - hz_to) * std::exp(-time / (0.5 * length_s));
        phase += 2.0 * kPi * hz / SYNTH_RATE;
        double env = std::exp(-time / decay_s) * (i < 20 ? i / 20.0 : 1.0);
        if (i >= count - 40) env *= static_cast<double>(count - i) / 40.0;
        synth_add(t, first + i, static_cast<float>(amplitude * env * std::sin(phase)));
    }
}

}  // namespace

SynthTrack sound_lift_start() {
    // The relay's clunk, then the motor spinning up; it hands over to the running hum.
    SynthTrack t = synth_track(1.0, false);
    add_thump(&t, 0.0, 120.0, 55.0, 0.8f, 0.05, 0.2);
    SynthTrack click = noise_track(0.05, false, 1.0f, 31u);
    synth_lowpass(&click, 1800.0);
    synth_fade(&click, 0.001, 0.04);
    synth_mix(&t, &click, 0.9f, 0.0);
    // The motor: a buzzing tone whose pitch and loudness rise from 25 to 100 Hz.
    double phase = 0.0;
    int64_t from = std::llround(0.12 * SYNTH_RATE);
    int64_t n = static_cast<int64_t>(t.samples.size());
    for (int64_t i = from; i < n; ++i) {
        double x = static_cast<double>(i - from) / static_cast<double>(n - from);
        double hz = 25.0 + 75.0 * x;
        phase += 2.0 * kPi * hz / SYNTH_RATE;
        double sum = 0.0;
        for (int32_t k = 1; k <= 8; ++k) sum += std::sin(k * phase) / k;
        t.samples[static_cast<size_t>(i)] += static_cast<float>(0.35 * x * sum);
    }
    synth_fade(&t, 0.002, 0.05);
    return t;
}

SynthTrack sound_lift_running() {
    // Half a second of steady motor hum with the cable's whir, looped while the lift runs.
    SynthTrack t = synth_track(0.5, true);
    static const float motor[] = {1.0f, 0.5f, 0.35f, 0.2f, 0.12f, 0.08f};
    add_drone(&t, 100.0, motor, 6, 0.35f);
    SynthTrack whir = noise_track(0.5, true, 1.0f, 47u);
    synth_bandpass(
        &whir, [](int64_t, int64_t) { return 700.0; }, 3.0);
    synth_shape(&whir, [](int64_t i, int64_t n) {
        return static_cast<float>(
            0.7 + 0.3 * std::sin(2.0 * kPi * 4.0 * static_cast<double>(i) / static_cast<double>(n)));
    });
    synth_mix(&t, &whir, 0.6f, 0.0);
    return t;
}

SynthTrack sound_lift_doors() {
    // The arrival chime, then the doors sliding open.
    SynthTrack t = synth_track(0.72, false);
    const double partials[4][2] = {{1.0, 1.0}, {2.0, 0.35}, {2.76, 0.25}, {5.4, 0.1}};
    for (const auto& p : partials)
        synth_ring(&t, 0.0, 1046.5 * p[0], 0.5f * static_cast<float>(p[1]), 0.25 / p[0] * 1.5, 0.72);
    SynthTrack slide = noise_track(0.55, false, 1.0f, 59u);
    synth_bandpass(
        &slide,
        [](int64_t i, int64_t n) { return 300.0 + 200.0 * static_cast<double>(i) / static_cast<double>(n); },
        2.0);
    synth_shape(&slide, [](int64_t i, int64_t n) {
        return static_cast<float>(std::sin(kPi * static_cast<double>(i) / static_cast<double>(n)));
    });
    synth_mix(&t, &slide, 0.8f, 0.16);
    add_thump(&t, 0.68, 80.0, 60.0, 0.15f, 0.02, 0.04);
    synth_fade(&t, 0.001, 0.03);
    return t;
}

SynthTrack sound_crash() {
    // A heavy thud, steel tearing, and debris clanging as it dies away.
    SynthTrack t = synth_track(1.6, false);
    add_thump(&t, 0.0, 90.0, 35.0, 1.0f, 0.18, 0.7);
    SynthTrack roar = noise_track(1.6, false, 1.0f, 71u);
    synth_lowpass(&roar, 1200.0);
    synth_shape(&roar, [](int64_t i, int64_t) {
        double time = static_cast<double>(i) / SYNTH_RATE;
        return static_cast<float>(std::exp(-time / 0.3) * (time < 0.004 ? time / 0.004 : 1.0));
    });
    synth_mix(&t, &roar, 1.4f, 0.0);
    SynthTrack tear = noise_track(0.9, false, 1.0f, 83u);
    synth_bandpass(
        &tear,
        [](int64_t i, int64_t n) { return 1100.0 - 500.0 * static_cast<double>(i) / static_cast<double>(n); },
        6.0);
    synth_shape(&tear, [](int64_t i, int64_t n) {
        double x = static_cast<double>(i) / static_cast<double>(n);
        double grind = 0.5 + 0.5 * std::sin(2.0 * kPi * 23.0 * x * 0.9);
        return static_cast<float>(std::sin(kPi * x) * grind);
    });
    synth_mix(&t, &tear, 1.2f, 0.08);
    const double clangs[4][2] = {{0.35, 420.0}, {0.62, 515.0}, {0.9, 380.0}, {1.15, 610.0}};
    for (const auto& c : clangs)
        for (double ratio : {1.0, 2.41, 3.93, 5.32})
            synth_ring(&t, c[0], c[1] * ratio, 0.25f / static_cast<float>(ratio), 0.22, 1.6 - c[0]);
    synth_fade(&t, 0.001, 0.1);
    return t;
}

SynthTrack sound_engine() {
    // A slow diesel: four firing strokes a loop, each a low knock with a puff of exhaust noise.
    SynthTrack t = synth_track(0.4, true);
    int64_t n = static_cast<int64_t>(t.samples.size());
    static const float hum[] = {1.0f, 0.4f, 0.2f};
    add_drone(&t, 50.0, hum, 3, 0.15f);
    for (int32_t stroke = 0; stroke < 4; ++stroke) {
        double at = static_cast<double>(stroke * n / 4) / SYNTH_RATE;
        add_thump(&t, at, 75.0, 48.0, 0.7f, 0.035, 0.1);
        synth_burst(&t, at + 0.004, 0.09, 0.25f, 0.004, 0.02, 101u + static_cast<uint32_t>(stroke));
    }
    synth_lowpass(&t, 900.0);
    return t;
}

SynthTrack sound_gale() {
    // Four seconds of storm: howling wind that swells and changes pitch, and three breaking waves.
    SynthTrack t = noise_track(4.0, true, 1.0f, 113u);
    synth_bandpass(
        &t,
        [](int64_t i, int64_t n) {
            double x = static_cast<double>(i) / static_cast<double>(n);
            return 520.0 + 230.0 * std::sin(2.0 * kPi * 3.0 * x) +
                   120.0 * std::sin(2.0 * kPi * 7.0 * x + 1.0);
        },
        8.0);
    synth_shape(&t, [](int64_t i, int64_t n) {
        double x = static_cast<double>(i) / static_cast<double>(n);
        return static_cast<float>(0.65 + 0.35 * std::sin(2.0 * kPi * 2.0 * x + 0.5));
    });
    SynthTrack sea = noise_track(4.0, true, 1.0f, 127u);
    synth_lowpass(&sea, 350.0);
    synth_shape(&sea, [](int64_t i, int64_t n) {
        // Three swells that rise and break; the last one rolls on into the start of the loop.
        double time = static_cast<double>(i) / SYNTH_RATE;
        double length = static_cast<double>(n) / SYNTH_RATE;
        double sum = 0.15;
        for (double crest : {0.6, 1.9, 3.2}) {
            double d = time - crest;
            if (d < -length / 2) d += length;
            if (d > length / 2) d -= length;
            sum += d < 0 ? std::exp(-d * d / 0.08) : std::exp(-d / 0.7);
        }
        return static_cast<float>(sum);
    });
    synth_mix(&t, &sea, 2.2f, 0.0);
    return t;
}

SynthTrack sound_distress() {
    // S O S in Morse on a signal horn, then a word's pause before it starts again.
    const double dot = 0.1;
    const char* const code = "... --- ...";
    SynthTrack t = synth_track(3.4, true);
    static const float horn[] = {1.0f, 0.0f, 0.33f, 0.0f, 0.2f};
    const SynthVoice beep{horn, 5, 0.006, 1.0, 1.0f, 0.006};
    double time = 0.0;
    for (const char* p = code; *p != '\0'; ++p) {
        if (*p == ' ') {
            time += 2 * dot;  // with the gap after the last sign, the three units between letters
            continue;
        }
        double length = *p == '.' ? dot : 3 * dot;
        synth_note(&t, time, length, 660.0, 0.8f, &beep);
        time += length + dot;
    }
    return t;
}
