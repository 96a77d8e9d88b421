// The two tunes: the intro and closing fanfare (sound 1) and the calm menu tune (sound 2). Both
// loop for as long as their screens last, so each is a whole number of bars rendered round the
// loop: the last note's release rings into the first bar.
#include "assets/sounds.h"

namespace {

// 2^(k / 12) times 2^30: the equal-tempered steps of one octave.
constexpr int64_t kSemitones[12] = {1073741824, 1137589835, 1205234447, 1276901417, 1352829926, 1433273380,
                                    1518500250, 1608794974, 1704458901, 1805811301, 1913190429, 2026954652};

// Equal-tempered pitch of a note counted in semitones from A4 (440 Hz), in thousandths of a hertz.
int64_t pitch(int32_t semitones_from_a4) {
    int32_t octave = semitones_from_a4 >= 0 ? semitones_from_a4 / 12 : -((11 - semitones_from_a4) / 12);
    int32_t shift = 30 - octave;
    int64_t scaled = 440000 * kSemitones[semitones_from_a4 - 12 * octave];
    return (scaled + (int64_t{1} << (shift - 1))) >> shift;
}

struct Note {
    int32_t pitch;       // semitones from A4
    int32_t half_beats;  // its length
};

// Plays a line of notes one after another from the start of the track, each sounding for the
// share legato (thousandths) of its length.
void play_line(SynthTrack* t, const Note* notes, int32_t count, int32_t half_beat_ms, int32_t amplitude,
               const SynthVoice* v, int32_t legato) {
    int64_t time_ms = 0;
    for (int32_t i = 0; i < count; ++i) {
        int64_t length_ms = notes[i].half_beats * half_beat_ms;
        synth_note(t, synth_ms(time_ms), synth_ms(length_ms) * legato / 1000, pitch(notes[i].pitch),
                   amplitude, v);
        time_ms += length_ms;
    }
}

// Semitones from A4.
enum : int32_t {
    F2 = -28,
    G2 = -26,
    A2 = -24,
    C3 = -21,
    D3 = -19,
    E3 = -17,
    F3 = -16,
    G3 = -14,
    A3 = -12,
    B3 = -10,
    C4 = -9,
    D4 = -7,
    E4 = -5,
    F4 = -4,
    G4 = -2,
    A4 = 0,
    B4 = 2,
    C5 = 3,
    D5 = 5,
    E5 = 7,
    F5 = 8,
    G5 = 10,
};

}  // namespace

SynthTrack sound_intro_music() {
    // 120 beats a minute, twelve beats: a rising horn call over a marching bass.
    const int32_t half_beat = 250;
    SynthTrack t = synth_track(synth_ms(24 * half_beat), true);
    static const int32_t horn[] = {1000, 650, 450, 300, 180, 100};
    const SynthVoice brass{horn, 6, 30, 250, 700, 60};
    const Note melody[] = {{G4, 2}, {C5, 2}, {E5, 2}, {G5, 4}, {E5, 1}, {G5, 1},
                           {F5, 2}, {D5, 2}, {B4, 2}, {G4, 2}, {C5, 4}};
    play_line(&t, melody, 11, half_beat, 500, &brass, 950);
    const Note second[] = {{E4, 2}, {G4, 2}, {C5, 2}, {E5, 4}, {C5, 2},
                           {A4, 2}, {B4, 2}, {G4, 2}, {D4, 2}, {E4, 4}};
    play_line(&t, second, 10, half_beat, 250, &brass, 950);
    static const int32_t low[] = {1000, 0, 110, 0, 40};
    const SynthVoice bass{low, 5, 10, 200, 500, 50};
    const Note bassline[] = {{C3, 2}, {G2, 2}, {C3, 2}, {G2, 2}, {C3, 2}, {G2, 2},
                             {F2, 2}, {A2, 2}, {G2, 2}, {D3, 2}, {C3, 2}, {G2, 2}};
    play_line(&t, bassline, 12, half_beat, 450, &bass, 800);
    // A snare-like tap on the off beats keeps the march going.
    for (int32_t beat = 0; beat < 12; ++beat)
        synth_burst(&t, synth_ms(beat * 2 * half_beat + half_beat), synth_ms(80), 120, synth_ms(2),
                    synth_ms(20), 1000u + static_cast<uint32_t>(beat));
    return t;
}

SynthTrack sound_menu_music() {
    // 80 beats a minute, sixteen beats: a soft flute over slow chords, A minor to C major and back.
    const int32_t half_beat = 375;
    SynthTrack t = synth_track(synth_ms(32 * half_beat), true);
    static const int32_t flute[] = {1000, 200, 60};
    const SynthVoice soft{flute, 3, 60, 600, 750, 120};
    const Note melody[] = {{A4, 4}, {C5, 2}, {E5, 2}, {D5, 4}, {C5, 2}, {A4, 2},
                           {G4, 4}, {A4, 2}, {C5, 2}, {B4, 2}, {G4, 2}, {A4, 4}};
    play_line(&t, melody, 12, half_beat, 450, &soft, 970);
    static const int32_t pad[] = {1000, 300, 100};
    const SynthVoice warm{pad, 3, 300, 1000, 800, 400};
    const int32_t chords[4][3] = {{A3, C4, E4}, {F3, A3, C4}, {G3, B3, D4}, {A3, C4, E4}};
    for (int32_t c = 0; c < 4; ++c)
        for (int32_t k = 0; k < 3; ++k)
            synth_note(&t, synth_ms(c * 8 * half_beat), synth_ms(8 * half_beat), pitch(chords[c][k]), 120,
                       &warm);
    static const int32_t low[] = {1000, 0, 100};
    const SynthVoice bass{low, 3, 20, 500, 600, 100};
    const Note bassline[] = {{A2, 4}, {E3, 4}, {F2, 4}, {C3, 4}, {G2, 4}, {D3, 4}, {A2, 4}, {E3, 4}};
    play_line(&t, bassline, 8, half_beat, 350, &bass, 900);
    return t;
}
