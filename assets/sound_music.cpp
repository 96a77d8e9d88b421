// The two tunes: the intro and closing fanfare (sound 1) and the calm menu tune (sound 2). Both
// loop for as long as their screens last, so each is a whole number of bars rendered round the
// loop: the last note's release rings into the first bar.
#include <cmath>

#include "assets/sounds.h"

namespace {

// Equal-tempered pitch of a note counted in semitones from A4 (440 Hz).
double pitch(int32_t semitones_from_a4) {
    return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0);
}

struct Note {
    int32_t pitch;       // semitones from A4
    int32_t half_beats;  // its length
};

// Plays a line of notes one after another from the start of the track.
void play_line(SynthTrack* t, const Note* notes, int32_t count, double half_beat_s, float amplitude,
               const SynthVoice* v, double legato) {
    double time = 0.0;
    for (int32_t i = 0; i < count; ++i) {
        double length = notes[i].half_beats * half_beat_s;
        synth_note(t, time, length * legato, pitch(notes[i].pitch), amplitude, v);
        time += length;
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
    const double half_beat = 0.25;
    SynthTrack t = synth_track(24 * half_beat, true);
    static const float horn[] = {1.0f, 0.65f, 0.45f, 0.3f, 0.18f, 0.1f};
    const SynthVoice brass{horn, 6, 0.03, 0.25, 0.7f, 0.06};
    const Note melody[] = {{G4, 2}, {C5, 2}, {E5, 2}, {G5, 4}, {E5, 1}, {G5, 1},
                           {F5, 2}, {D5, 2}, {B4, 2}, {G4, 2}, {C5, 4}};
    play_line(&t, melody, 11, half_beat, 0.5f, &brass, 0.95);
    const Note second[] = {{E4, 2}, {G4, 2}, {C5, 2}, {E5, 4}, {C5, 2},
                           {A4, 2}, {B4, 2}, {G4, 2}, {D4, 2}, {E4, 4}};
    play_line(&t, second, 10, half_beat, 0.25f, &brass, 0.95);
    static const float low[] = {1.0f, 0.0f, 0.11f, 0.0f, 0.04f};
    const SynthVoice bass{low, 5, 0.01, 0.2, 0.5f, 0.05};
    const Note bassline[] = {{C3, 2}, {G2, 2}, {C3, 2}, {G2, 2}, {C3, 2}, {G2, 2},
                             {F2, 2}, {A2, 2}, {G2, 2}, {D3, 2}, {C3, 2}, {G2, 2}};
    play_line(&t, bassline, 12, half_beat, 0.45f, &bass, 0.8);
    // A snare-like tap on the off beats keeps the march going.
    for (int32_t beat = 0; beat < 12; ++beat)
        synth_burst(&t, beat * 2 * half_beat + half_beat, 0.08, 0.12f, 0.002, 0.02,
                    1000u + static_cast<uint32_t>(beat));
    return t;
}

SynthTrack sound_menu_music() {
    // 80 beats a minute, sixteen beats: a soft flute over slow chords, A minor to C major and back.
    const double half_beat = 0.375;
    SynthTrack t = synth_track(32 * half_beat, true);
    static const float flute[] = {1.0f, 0.2f, 0.06f};
    const SynthVoice soft{flute, 3, 0.06, 0.6, 0.75f, 0.12};
    const Note melody[] = {{A4, 4}, {C5, 2}, {E5, 2}, {D5, 4}, {C5, 2}, {A4, 2},
                           {G4, 4}, {A4, 2}, {C5, 2}, {B4, 2}, {G4, 2}, {A4, 4}};
    play_line(&t, melody, 12, half_beat, 0.45f, &soft, 0.97);
    static const float pad[] = {1.0f, 0.3f, 0.1f};
    const SynthVoice warm{pad, 3, 0.3, 1.0, 0.8f, 0.4};
    const int32_t chords[4][3] = {{A3, C4, E4}, {F3, A3, C4}, {G3, B3, D4}, {A3, C4, E4}};
    for (int32_t c = 0; c < 4; ++c)
        for (int32_t k = 0; k < 3; ++k)
            synth_note(&t, c * 8 * half_beat, 8 * half_beat, pitch(chords[c][k]), 0.12f, &warm);
    static const float low[] = {1.0f, 0.0f, 0.1f};
    const SynthVoice bass{low, 3, 0.02, 0.5, 0.6f, 0.1};
    const Note bassline[] = {{A2, 4}, {E3, 4}, {F2, 4}, {C3, 4}, {G2, 4}, {D3, 4}, {A2, 4}, {E3, 4}};
    play_line(&t, bassline, 8, half_beat, 0.35f, &bass, 0.9);
    return t;
}
