// The seven sound effects: the broker's lift (start, running, doors), the crash, the ship's
// engine, the gale and the distress signal. The ones played in a loop are rendered round the loop
// (see sound_synth.h); the one-shots fade to silence at their end, since they are stopped or freed
// right after.
#include "assets/fixed_math.h"
#include "assets/sounds.h"

namespace {

// Seeded white noise over the whole track, at an amplitude in thousandths.
SynthTrack noise_track(int64_t length, bool loop, int32_t amplitude, uint32_t seed) {
    SynthTrack t = synth_track(length, loop);
    SynthNoise n{seed};
    for (int32_t& s : t.samples) {
        int32_t v = synth_noise(&n);
        s = v * amplitude / 1000;
    }
    return t;
}

// A steady tone with harmonic weights (thousandths), near hz but with a whole number of cycles in
// the track, so that it loops without a seam.
void add_drone(SynthTrack* t, int64_t hz, const int32_t* weights, int32_t count, int32_t amplitude) {
    int64_t n = static_cast<int64_t>(t->samples.size());
    int64_t cycles = (hz * n + SYNTH_RATE / 2) / SYNTH_RATE;
    for (int64_t i = 0; i < n; ++i) {
        int64_t sum = 0;
        for (int32_t k = 0; k < count; ++k)
            if (cycles * (k + 1) * 100 < 45 * n)  // below 0.45 x the rate
                sum += int64_t{weights[k]} * fixed_sin(fixed_turn(cycles * (k + 1) * i, n)) / 1000;
        t->samples[static_cast<size_t>(i)] +=
            static_cast<int32_t>(sum * amplitude / 1000 >> (FIXED_SHIFT - 16));
    }
}

// A low thump: a sine gliding down from one frequency to another (in thousandths of a hertz),
// decaying with time constant decay; all times in samples.
void add_thump(SynthTrack* t, int64_t start, int64_t from_millihertz, int64_t to_millihertz,
               int32_t amplitude, int64_t decay, int64_t length) {
    uint32_t phase = 0;
    for (int64_t i = 0; i < length; ++i) {
        int64_t glide = fixed_exp_neg(2 * i, length);  // time constant half the length
        int64_t millihertz = to_millihertz + ((from_millihertz - to_millihertz) * glide >> FIXED_SHIFT);
        phase += static_cast<uint32_t>((millihertz << 32) / (int64_t{1000} * SYNTH_RATE));
        int64_t env = fixed_exp_neg(i, decay);
        if (i < 20) env = env * i / 20;
        if (i >= length - 40) env = env * (length - i) / 40;
        int64_t v = env * fixed_sin(phase) >> FIXED_SHIFT;
        synth_add(t, start + i, v * amplitude / 1000 >> (FIXED_SHIFT - 16));
    }
}

}  // namespace

SynthTrack sound_lift_start() {
    // The relay's clunk, then the motor spinning up; it hands over to the running hum.
    SynthTrack t = synth_track(synth_ms(1000), false);
    add_thump(&t, 0, 120000, 55000, 800, synth_ms(50), synth_ms(200));
    SynthTrack click = noise_track(synth_ms(50), false, 1000, 31u);
    synth_lowpass(&click, 1800000);
    synth_fade(&click, synth_ms(1), synth_ms(40));
    synth_mix(&t, &click, 900, 0);
    // The motor: a buzzing tone (eight harmonics falling as 1/k) whose pitch and loudness rise
    // from 25 to 100 Hz.
    uint32_t phase = 0;
    int64_t from = synth_ms(120);
    int64_t n = static_cast<int64_t>(t.samples.size());
    for (int64_t i = from; i < n; ++i) {
        int64_t millihertz = 25000 + 75000 * (i - from) / (n - from);
        phase += static_cast<uint32_t>((millihertz << 32) / (int64_t{1000} * SYNTH_RATE));
        int64_t sum = 0;
        for (int32_t k = 1; k <= 8; ++k) sum += fixed_sin(static_cast<uint32_t>(k) * phase) / k;
        // 0.35 x the share of the rise so far
        int64_t v = sum * 350 * (i - from) / ((n - from) * 1000);
        t.samples[static_cast<size_t>(i)] += static_cast<int32_t>(v >> (FIXED_SHIFT - 16));
    }
    synth_fade(&t, synth_ms(2), synth_ms(50));
    return t;
}

SynthTrack sound_lift_running() {
    // Half a second of steady motor hum with the cable's whir, looped while the lift runs.
    SynthTrack t = synth_track(synth_ms(500), true);
    static const int32_t motor[] = {1000, 500, 350, 200, 120, 80};
    add_drone(&t, 100, motor, 6, 350);
    SynthTrack whir = noise_track(synth_ms(500), true, 1000, 47u);
    synth_bandpass(
        &whir, [](int64_t, int64_t) -> int64_t { return 700000; }, 3);
    synth_shape(&whir, [](int64_t i, int64_t n) {
        // 0.7 + 0.3 sin, four swells a loop
        return (700 * FIXED_ONE + 300 * int64_t{fixed_sin(fixed_turn(4 * i, n))}) / 1000;
    });
    synth_mix(&t, &whir, 600, 0);
    return t;
}

SynthTrack sound_lift_doors() {
    // The arrival chime, then the doors sliding open.
    SynthTrack t = synth_track(synth_ms(720), false);
    // partials of a C6 bell: frequency ratio and loudness, in thousandths
    const int32_t partials[4][2] = {{1000, 1000}, {2000, 350}, {2760, 250}, {5400, 100}};
    for (const auto& p : partials)
        synth_ring(&t, 0, int64_t{1046500} * p[0] / 1000, 500 * p[1] / 1000, synth_ms(375000 / p[0]),
                   synth_ms(720));
    SynthTrack slide = noise_track(synth_ms(550), false, 1000, 59u);
    synth_bandpass(
        &slide, [](int64_t i, int64_t n) { return 300000 + 200000 * i / n; }, 2);
    synth_shape(&slide, [](int64_t i, int64_t n) { return int64_t{fixed_sin(fixed_turn(i, 2 * n))}; });
    synth_mix(&t, &slide, 800, synth_ms(160));
    add_thump(&t, synth_ms(680), 80000, 60000, 150, synth_ms(20), synth_ms(40));
    synth_fade(&t, synth_ms(1), synth_ms(30));
    return t;
}

SynthTrack sound_crash() {
    // A heavy thud, steel tearing, and debris clanging as it dies away.
    SynthTrack t = synth_track(synth_ms(1600), false);
    add_thump(&t, 0, 90000, 35000, 1000, synth_ms(180), synth_ms(700));
    SynthTrack roar = noise_track(synth_ms(1600), false, 1000, 71u);
    synth_lowpass(&roar, 1200000);
    synth_shape(&roar, [](int64_t i, int64_t) {
        int64_t gain = fixed_exp_neg(i, synth_ms(300));
        int64_t onset = synth_ms(4);
        return i < onset ? gain * i / onset : gain;
    });
    synth_mix(&t, &roar, 1400, 0);
    SynthTrack tear = noise_track(synth_ms(900), false, 1000, 83u);
    synth_bandpass(
        &tear, [](int64_t i, int64_t n) { return 1100000 - 500000 * i / n; }, 6);
    synth_shape(&tear, [](int64_t i, int64_t n) {
        // rising and falling over the tear, grinding 20.7 times on the way
        int64_t grind = (FIXED_ONE + fixed_sin(fixed_turn(207 * i, 10 * n))) / 2;
        return int64_t{fixed_sin(fixed_turn(i, 2 * n))} * grind >> FIXED_SHIFT;
    });
    synth_mix(&t, &tear, 1200, synth_ms(80));
    // debris: when (ms) and the pitch (Hz) of each clang, and the ratios of its partials (thousandths)
    const int32_t clangs[4][2] = {{350, 420}, {620, 515}, {900, 380}, {1150, 610}};
    for (const auto& c : clangs)
        for (int32_t ratio : {1000, 2410, 3930, 5320})
            synth_ring(&t, synth_ms(c[0]), int64_t{c[1]} * ratio, 250 * 1000 / ratio, synth_ms(220),
                       synth_ms(1600 - c[0]));
    synth_fade(&t, synth_ms(1), synth_ms(100));
    return t;
}

SynthTrack sound_engine() {
    // A slow diesel: four firing strokes a loop, each a low knock with a puff of exhaust noise.
    SynthTrack t = synth_track(synth_ms(400), true);
    int64_t n = static_cast<int64_t>(t.samples.size());
    static const int32_t hum[] = {1000, 400, 200};
    add_drone(&t, 50, hum, 3, 150);
    for (int32_t stroke = 0; stroke < 4; ++stroke) {
        int64_t at = stroke * n / 4;
        add_thump(&t, at, 75000, 48000, 700, synth_ms(35), synth_ms(100));
        synth_burst(&t, at + synth_ms(4), synth_ms(90), 250, synth_ms(4), synth_ms(20),
                    101u + static_cast<uint32_t>(stroke));
    }
    synth_lowpass(&t, 900000);
    return t;
}

SynthTrack sound_gale() {
    // Four seconds of storm: howling wind that swells and changes pitch, and three breaking waves.
    SynthTrack t = noise_track(synth_ms(4000), true, 1000, 113u);
    synth_bandpass(
        &t,
        [](int64_t i, int64_t n) {
            // 520 Hz + 230 Hz sin(3 turns a loop) + 120 Hz sin(7 turns a loop + 1 radian)
            int64_t slow = fixed_sin(fixed_turn(3 * i, n));
            int64_t quick = fixed_sin(fixed_turn(7 * i, n) + static_cast<uint32_t>(FIXED_RADIAN));
            return 520000 + (230000 * slow >> FIXED_SHIFT) + (120000 * quick >> FIXED_SHIFT);
        },
        8);
    synth_shape(&t, [](int64_t i, int64_t n) {
        // 0.65 + 0.35 sin(2 turns a loop + half a radian)
        int64_t swell = fixed_sin(fixed_turn(2 * i, n) + static_cast<uint32_t>(FIXED_RADIAN / 2));
        return (650 * FIXED_ONE + 350 * swell) / 1000;
    });
    SynthTrack sea = noise_track(synth_ms(4000), true, 1000, 127u);
    synth_lowpass(&sea, 350000);
    synth_shape(&sea, [](int64_t i, int64_t n) {
        // Three swells that rise and break; the last one rolls on into the start of the loop.
        int64_t sum = FIXED_ONE * 15 / 100;
        for (int64_t crest_ms : {600, 1900, 3200}) {
            int64_t d = i - synth_ms(crest_ms);
            if (d < -n / 2) d += n;
            if (d > n / 2) d -= n;
            // rising as e^(-d^2 / 0.08 s^2), breaking as e^(-d / 0.7 s)
            sum += d < 0 ? fixed_exp_neg(25 * d * d, int64_t{2} * SYNTH_RATE * SYNTH_RATE)
                         : fixed_exp_neg(d, synth_ms(700));
        }
        return sum;
    });
    synth_mix(&t, &sea, 2200, 0);
    return t;
}

SynthTrack sound_distress() {
    // S O S in Morse on a signal horn, then a word's pause before it starts again.
    const int64_t dot_ms = 100;
    const char* const code = "... --- ...";
    SynthTrack t = synth_track(synth_ms(3400), true);
    static const int32_t horn[] = {1000, 0, 330, 0, 200};
    const SynthVoice beep{horn, 5, 6, 1000, 1000, 6};
    int64_t time_ms = 0;
    for (const char* p = code; *p != '\0'; ++p) {
        if (*p == ' ') {
            time_ms += 2 * dot_ms;  // with the gap after the last sign, the three units between letters
            continue;
        }
        int64_t length_ms = *p == '.' ? dot_ms : 3 * dot_ms;
        synth_note(&t, synth_ms(time_ms), synth_ms(length_ms), 660000, 800, &beep);
        time_ms += length_ms + dot_ms;
    }
    return t;
}
