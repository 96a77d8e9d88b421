#include "host/sound_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/headless_host.h"
#include "tests/harness/harness.h"

namespace {

void put_u32_be(std::string* out, uint32_t v) {
    for (int32_t shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<char>((v >> shift) & 0xFF));
}

// A library whose sound k (1..9) holds the bytes given for it, in the file's signed form.
std::string library_file(const std::vector<std::string>& sounds) {
    std::string dir, data;
    uint32_t offset = SOUND_DIRECTORY_BYTES;
    for (int32_t k = 0; k < SOUND_COUNT; ++k) {
        std::string s =
            k < static_cast<int32_t>(sounds.size()) ? sounds[static_cast<size_t>(k)] : std::string("\x01");
        put_u32_be(&dir, offset);
        put_u32_be(&dir, static_cast<uint32_t>(s.size()));
        put_u32_be(&dir, 0x00AB01ACu + static_cast<uint32_t>(k));  // only the low 16 bits are kept
        offset += static_cast<uint32_t>(s.size());
        data += s;
    }
    return dir + data;
}

class SoundLibrary : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        sound_library_reset();
        harness_write_file("lib.dat", library_file({std::string("\x00\x7F\x80\xFF\x01", 5), "abcdefghi", "B",
                                                    "C", "D", "E"}));
        ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
        ASSERT_EQ(sound_open_library("LIB.DAT"), 1);
    }
    void TearDown() override { sound_library_reset(); }
};

TEST_F(SoundLibrary, DirectoryIsBigEndianAndSamplesBecomeUnsigned) {
    EXPECT_EQ(g_sound_directory[0].offset, static_cast<uint32_t>(SOUND_DIRECTORY_BYTES));
    EXPECT_EQ(g_sound_directory[0].length, 5u);
    EXPECT_EQ(g_sound_directory[1].offset, static_cast<uint32_t>(SOUND_DIRECTORY_BYTES + 5));
    EXPECT_EQ(g_sound_directory[8].period, 0x00AB01B4u);
    int32_t slot = sound_load(1);
    ASSERT_EQ(slot, 0);
    const SoundSlot& s = g_sound_slots[0];
    EXPECT_EQ(s.period, 0x01AC);
    EXPECT_EQ(s.playing, 0u);
    ASSERT_EQ(s.length, 5u);
    const uint8_t want[5] = {0x80, 0xFF, 0x00, 0x7F, 0x81};
    EXPECT_EQ(std::vector<uint8_t>(s.buffer, s.buffer + 5), std::vector<uint8_t>(want, want + 5));
}

TEST_F(SoundLibrary, FourSlotsLowestFirstAndBadNumbers) {
    EXPECT_EQ(sound_load(0), -1);
    EXPECT_EQ(sound_load(10), -1);
    for (int32_t k = 0; k < SOUND_SLOTS; ++k) EXPECT_EQ(sound_load(k + 3), k);
    EXPECT_EQ(sound_load(1), -1);  // a fifth sound
    sound_free(1);
    EXPECT_EQ(g_sound_slots[1].buffer, nullptr);
    EXPECT_EQ(sound_load(2), 1);  // the freed slot is taken again
    EXPECT_EQ(g_sound_slots[1].length, 9u);
    // -1 is no slot: every operation accepts it and does nothing.
    EXPECT_EQ(sound_halve_rate(-1), 0);
    sound_play(1, -1);
    sound_stop(-1);
    sound_free(-1);
    EXPECT_EQ(sound_is_done(-1), 1);
    EXPECT_EQ(headless_voice().starts, 0u);
}

TEST_F(SoundLibrary, HalvingKeepsEverySecondByte) {
    int32_t slot = sound_load(2);  // "abcdefghi", nine bytes
    EXPECT_EQ(sound_halve_rate(slot), 4);
    const SoundSlot& s = g_sound_slots[slot];
    ASSERT_EQ(s.length, 4u);
    std::string got(reinterpret_cast<const char*>(s.buffer), 4);
    std::string want = "aceg";
    for (char& c : want) c = static_cast<char>(c + 128);
    EXPECT_EQ(got, want);
    EXPECT_EQ(sound_halve_rate(3), 3);  // an empty slot answers with its number
}

TEST_F(SoundLibrary, OneSharedVoice) {
    int32_t a = sound_load(3);
    int32_t b = sound_load(4);
    EXPECT_EQ(sound_is_done(a), 0);  // nothing started yet: the header has never been done
    sound_play(999, a);
    HeadlessVoice v = headless_voice();
    EXPECT_EQ(v.samples, g_sound_slots[a].buffer);
    EXPECT_EQ(v.loops, 999u);
    EXPECT_EQ(g_sound_slots[a].playing, 1u);
    sound_play(2, b);  // starting B ends A, whose flag stays set
    v = headless_voice();
    EXPECT_EQ(v.samples, g_sound_slots[b].buffer);
    EXPECT_EQ(v.loops, 2u);
    EXPECT_TRUE(v.playing);
    EXPECT_EQ(g_sound_slots[a].playing, 1u);
    EXPECT_EQ(sound_is_done(a), 0);  // answers for B, whatever slot is asked
    sound_stop(a);                   // A's flag was still set: B goes silent
    EXPECT_FALSE(headless_voice().playing);
    EXPECT_EQ(sound_is_done(b), 1);
    EXPECT_EQ(g_sound_slots[a].playing, 0u);
    EXPECT_EQ(g_sound_slots[b].playing, 1u);
    // A slot whose flag is clear does nothing, even while the voice plays.
    sound_play(5, b);
    sound_stop(a);
    EXPECT_TRUE(headless_voice().playing);
    // The voice runs out by itself: B is one byte, five plays.
    headless_advance(1);
    EXPECT_EQ(sound_is_done(a), 1);
}

TEST_F(SoundLibrary, FreeWithoutStopSilencesTheFreedBuffer) {
    int32_t a = sound_load(2);
    sound_play(9999, a);
    sound_free(a);
    EXPECT_FALSE(headless_voice().playing);
    EXPECT_EQ(g_sound_slots[a].buffer, nullptr);
}

TEST(SoundLibraryModes, ProbeAndMissingFileAndNoDevice) {
    harness_start_engine();
    sound_library_reset();
    // The card probe finds nothing: silent game, and the library is not even opened.
    EXPECT_EQ(sound_set_mode(SOUND_MODE_PROBE), 1);
    EXPECT_EQ(g_sound_mode, SOUND_MODE_OFF);
    EXPECT_EQ(sound_open_library("missing.dat"), 1);
    EXPECT_EQ(sound_load(1), -1);
    EXPECT_EQ(sound_is_done(0), 1);

    EXPECT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
    EXPECT_EQ(sound_open_library("missing.dat"), 0);
    harness_write_file("short.dat", "");
    EXPECT_EQ(sound_open_library("short.dat"), 1);  // an empty read is not the runtime's -1

    // No device opens: sound switches off for the rest of the run.
    harness_write_file("lib.dat", library_file({"xyz"}));
    EXPECT_EQ(sound_open_library("lib.dat"), 1);
    headless_set_sound_device(false);
    int32_t slot = sound_load(1);
    ASSERT_EQ(slot, 0);
    sound_play(3, slot);
    EXPECT_EQ(g_sound_mode, SOUND_MODE_OFF);
    EXPECT_EQ(headless_voice().starts, 0u);
    EXPECT_EQ(sound_is_done(slot), 1);
    EXPECT_EQ(sound_load(1), -1);
    sound_library_reset();

    // Period mode loads and flags sounds but outputs nothing.
    EXPECT_EQ(sound_set_mode(SOUND_MODE_PERIOD), 0);
    EXPECT_EQ(sound_open_library("lib.dat"), 1);
    slot = sound_load(1);
    sound_play(1, slot);
    EXPECT_EQ(g_sound_slots[slot].playing, 1u);
    EXPECT_EQ(headless_voice().starts, 0u);
    EXPECT_EQ(sound_is_done(slot), 1);
    sound_library_reset();
}

TEST(SoundLibraryModes, PitchIsKeptOnlyInRange) {
    struct Case {
        int32_t mode, value, kept;
    };
    const Case cases[] = {
        {SOUND_MODE_WAVE, 594, 0},    {SOUND_MODE_WAVE, 297, 297},   {SOUND_MODE_WAVE, 512, 512},
        {SOUND_MODE_WAVE, 143, 0},    {SOUND_MODE_PERIOD, 594, 297}, {SOUND_MODE_PERIOD, 1024, 512},
        {SOUND_MODE_PERIOD, 1025, 0}, {SOUND_MODE_OFF, 300, 0},
    };
    for (const Case& c : cases) {
        sound_library_reset();
        sound_set_mode(c.mode);
        sound_set_pitch(0, c.value, 63);
        EXPECT_EQ(g_sound_pitch, c.kept) << "mode " << c.mode << " value " << c.value;
    }
    sound_library_reset();
}

// The generated library: nine sounds of lengths that suit how the game plays them, and the ones
// played in a loop join end to start without a step that would click.
TEST(GeneratedSounds, LengthsSuitTheirUseAndLoopsJoin) {
    harness_start_engine();
    sound_library_reset();
    sound_set_mode(SOUND_MODE_WAVE);
    ASSERT_EQ(sound_open_library("sounds.dat"), 1);
    std::string file = harness_read_file("sounds.dat");
    struct Case {
        const char* role;
        double min_s, max_s;
        bool loops;
    };
    const Case cases[SOUND_COUNT] = {
        {"intro music", 4, 8, true},      {"menu music", 6, 15, true},
        {"lift start", 0.5, 1.5, false},  {"lift running", 0.2, 1, true},
        {"lift doors", 0.2, 0.75, false}, {"crash", 1, 2, false},
        {"engine", 0.1, 0.5, true},       {"gale", 2, 5, true},
        {"distress", 1.5, 4, true},
    };
    for (int32_t k = 0; k < SOUND_COUNT; ++k) {
        const Case& c = cases[k];
        const SoundDirEntry& e = g_sound_directory[k];
        EXPECT_LE(static_cast<size_t>(e.offset) + e.length, file.size()) << c.role;
        EXPECT_EQ(e.period, 428u) << c.role;
        double seconds = e.length / static_cast<double>(SOUND_OUTPUT_RATE);
        EXPECT_GE(seconds, c.min_s) << c.role;
        EXPECT_LE(seconds, c.max_s) << c.role;
        int32_t slot = sound_load(k + 1);
        ASSERT_EQ(slot, 0) << c.role;
        const SoundSlot& s = g_sound_slots[slot];
        // The largest step between neighbours inside the sound, against the step from its end
        // back to its start (a loop) or from silence into it and out of it (a one-shot).
        int32_t inner = 0;
        for (uint32_t i = 1; i < s.length; ++i)
            inner = std::max(inner, std::abs(s.buffer[i] - s.buffer[i - 1]));
        int32_t first = s.buffer[0], last = s.buffer[s.length - 1];
        if (c.loops) {
            EXPECT_LE(std::abs(first - last), inner / 2) << c.role;
        } else {
            EXPECT_LE(std::abs(first - 128), 2) << c.role;
            EXPECT_LE(std::abs(last - 128), 2) << c.role;
        }
        sound_free(slot);
    }
    sound_library_reset();
}

}  // namespace
