#include "host/voice_mixer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Pulls count bytes out of the voice in pieces of the given size, as the audio device does.
std::string pull(Voice* v, uint32_t count, uint32_t piece) {
    std::string out;
    std::vector<uint8_t> buf(piece);
    while (out.size() < count) {
        uint32_t n = std::min<uint32_t>(piece, count - static_cast<uint32_t>(out.size()));
        voice_mix(v, buf.data(), n);
        out.append(reinterpret_cast<const char*>(buf.data()), n);
    }
    return out;
}

TEST(VoiceMixer, PlaysTheSampleLoopTimesThenSilence) {
    const std::string sample = "\x01\x02\x03\x04\x05\x06\x07";
    const auto* bytes = reinterpret_cast<const uint8_t*>(sample.data());
    struct Case {
        uint32_t loops, plays;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {3, 3}};
    for (const Case& c : cases) {
        for (uint32_t piece : {1u, 3u, 7u, 64u}) {
            Voice v{};
            voice_start(&v, bytes, 7, c.loops);
            std::string want;
            for (uint32_t k = 0; k < c.plays; ++k) want += sample;
            std::string got = pull(&v, 7 * c.plays, piece);
            EXPECT_EQ(got, want) << "loops " << c.loops << " piece " << piece;
            EXPECT_FALSE(v.playing) << "loops " << c.loops << " piece " << piece;
            EXPECT_EQ(pull(&v, 10, piece), std::string(10, '\x80'));
        }
    }
}

TEST(VoiceMixer, RestartResetAndEmpty) {
    const uint8_t a[4] = {1, 2, 3, 4}, b[2] = {9, 8};
    Voice v{};
    EXPECT_EQ(pull(&v, 3, 3), std::string(3, '\x80'));  // never started
    voice_start(&v, a, 4, 30000);
    EXPECT_EQ(pull(&v, 6, 4), std::string("\x01\x02\x03\x04\x01\x02", 6));
    voice_start(&v, b, 2, 2);  // a new sound starts from its first byte and ends the old one
    EXPECT_EQ(pull(&v, 6, 5), std::string("\x09\x08\x09\x08\x80\x80", 6));
    voice_start(&v, a, 4, 9999);
    voice_reset(&v);
    EXPECT_FALSE(v.playing);
    EXPECT_EQ(pull(&v, 2, 2), std::string(2, '\x80'));
    voice_start(&v, a, 0, 5);  // nothing to play: done at once
    EXPECT_FALSE(v.playing);
}

}  // namespace
