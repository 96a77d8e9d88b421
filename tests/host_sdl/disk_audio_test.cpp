// The sound player on a real SDL audio device: the disk driver writes exactly what the voice plays
// into a file, in real time. The device may write silence before the first sound starts, so the
// checks skip leading silence; the test sample never contains silence itself.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "host/sdl_platform.h"
#include "host/sound_library.h"

namespace {

constexpr uint32_t kSampleBytes = 1000;

// Signed samples, none of them 0 (which would turn into the silence byte 0x80).
int8_t sample_byte(uint32_t i) {
    int32_t v = static_cast<int32_t>((i * 37) % 201) - 100;
    return static_cast<int8_t>(v == 0 ? 1 : v);
}

void write_library() {
    std::string file;
    auto u32 = [&file](uint32_t v) {
        for (int32_t shift = 24; shift >= 0; shift -= 8)
            file.push_back(static_cast<char>((v >> shift) & 0xFF));
    };
    for (int32_t k = 0; k < SOUND_COUNT; ++k) {
        u32(SOUND_DIRECTORY_BYTES);
        u32(kSampleBytes);
        u32(428);
    }
    for (uint32_t i = 0; i < kSampleBytes; ++i) file.push_back(static_cast<char>(sample_byte(i)));
    std::ofstream("sounds.dat", std::ios::binary) << file;
}

std::string played_sample() {
    std::string s;
    for (uint32_t i = 0; i < kSampleBytes; ++i)
        s.push_back(static_cast<char>(static_cast<uint8_t>(sample_byte(i)) ^ 0x80));
    return s;
}

// Starts the audio subsystem afresh on the given driver, and the player in wave mode.
void start_player(const char* driver) {
    sdl_audio_shutdown();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", "voice.raw", 1);
    sdl_audio_init();
    write_library();
    sound_library_reset();
    ASSERT_EQ(sound_set_mode(SOUND_MODE_WAVE), 0);
    ASSERT_EQ(sound_open_library("SOUNDS.DAT"), 1);
}

// What the device wrote, after its leading silence; the device is closed first so all of it is there.
std::string recorded() {
    sdl_audio_shutdown();
    std::ifstream in("voice.raw", std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t first = all.find_first_not_of('\x80');
    return first == std::string::npos ? std::string() : all.substr(first);
}

bool wait_done(int32_t slot, uint32_t timeout_ms) {
    uint32_t start = SDL_GetTicks();
    while (sound_is_done(slot) == 0) {
        if (SDL_GetTicks() - start > timeout_ms) return false;
        SDL_Delay(5);
    }
    return true;
}

TEST(DiskAudio, ThreePlaysByteForByteThenSilence) {
    start_player("disk");
    int32_t slot = sound_load(1);
    ASSERT_EQ(slot, 0);
    sound_play(3, slot);
    ASSERT_EQ(g_sound_mode, SOUND_MODE_WAVE) << "the disk device did not open: " << SDL_GetError();
    EXPECT_EQ(sound_is_done(slot), 0);
    ASSERT_TRUE(wait_done(slot, 3000));
    SDL_Delay(150);  // some silence after the end
    sound_stop(slot);
    sound_free(slot);
    std::string got = recorded();
    std::string sample = played_sample();
    ASSERT_GE(got.size(), 3 * kSampleBytes + 256);
    EXPECT_EQ(got.substr(0, 3 * kSampleBytes), sample + sample + sample);
    EXPECT_EQ(got.find_first_not_of('\x80', 3 * kSampleBytes), std::string::npos);
    sound_library_reset();
}

TEST(DiskAudio, StopSilencesALongLoop) {
    start_player("disk");
    int32_t slot = sound_load(2);
    sound_play(30000, slot);
    SDL_Delay(250);
    EXPECT_EQ(sound_is_done(slot), 0);
    sound_stop(slot);
    EXPECT_EQ(sound_is_done(slot), 1);
    SDL_Delay(150);
    sound_free(slot);
    std::string got = recorded();
    size_t end = got.find('\x80');
    ASSERT_NE(end, std::string::npos) << "no silence after the stop";
    EXPECT_GT(end, kSampleBytes);  // it did play for a while ...
    std::string sample = played_sample();
    std::string loops;
    while (loops.size() < end) loops += sample;
    EXPECT_EQ(got.substr(0, end), loops.substr(0, end));               // ... the sample over and over
    EXPECT_EQ(got.find_first_not_of('\x80', end), std::string::npos);  // ... and then nothing
    sound_library_reset();
}

// A device with nothing to play is closed after a quiet while (its thread would go on waking for
// every buffer); the next sound opens it again and plays whole.
TEST(DiskAudio, AQuietDeviceClosesAndTheNextSoundOpensIt) {
    start_player("disk");
    int32_t slot = sound_load(1);
    sound_play(1, slot);
    ASSERT_TRUE(sdl_audio_device_open());
    ASSERT_TRUE(wait_done(slot, 3000));
    uint32_t now = SDL_GetTicks();
    sdl_audio_close_when_idle(now);
    EXPECT_TRUE(sdl_audio_device_open()) << "not yet: the quiet has only begun";
    sdl_audio_close_when_idle(now + AUDIO_IDLE_CLOSE_MS - 1);
    EXPECT_TRUE(sdl_audio_device_open());
    sdl_audio_close_when_idle(now + AUDIO_IDLE_CLOSE_MS);
    EXPECT_FALSE(sdl_audio_device_open());
    sound_play(2, slot);
    EXPECT_TRUE(sdl_audio_device_open());
    EXPECT_EQ(g_sound_mode, SOUND_MODE_WAVE);
    ASSERT_TRUE(wait_done(slot, 3000));
    SDL_Delay(100);
    sound_stop(slot);
    sound_free(slot);
    std::string sample = played_sample();
    EXPECT_EQ(recorded().substr(0, 2 * kSampleBytes), sample + sample);
    sound_library_reset();
}

TEST(DiskAudio, NoDeviceMeansASilentGame) {
    start_player("no-such-driver");
    int32_t slot = sound_load(1);
    ASSERT_EQ(slot, 0);
    uint32_t start = SDL_GetTicks();
    sound_play(9999, slot);
    EXPECT_EQ(g_sound_mode, SOUND_MODE_OFF);
    EXPECT_EQ(sound_is_done(slot), 1);
    EXPECT_EQ(sound_load(2), -1);
    sound_stop(slot);
    sound_free(slot);
    EXPECT_LT(SDL_GetTicks() - start, 1000u);
    sound_library_reset();
}

}  // namespace
