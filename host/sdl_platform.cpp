#include "host/sdl_platform.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "host/platform.h"
#include "host/voice_mixer.h"

namespace {

using Clock = std::chrono::steady_clock;
const Clock::time_point g_start = Clock::now();  // the clock counts from program start

// Every SDL call of the game thread and the shut-down hold this lock, so the game thread never
// calls into SDL while it is being shut down; the shut-down keeps it to the end.
std::mutex g_sdl_lock;
bool g_exiting = false;
bool g_window_running = false;
uint32_t g_exit_event = 0;
uint32_t g_game_end_event = 0;
std::thread::id g_window_thread;
std::vector<std::string> g_start_failures;  // under g_sdl_lock

// The voice the audio callback plays, under its own lock (the callback runs on SDL's audio thread).
std::mutex g_mix_lock;
Voice g_voice{};
SDL_AudioDeviceID g_device = 0;
bool g_quiet_seen = false;  // the window saw the voice quiet; since g_quiet_since (under g_sdl_lock)
uint32_t g_quiet_since = 0;

void audio_callback(void*, Uint8* stream, int len) {
    std::lock_guard<std::mutex> hold(g_mix_lock);
    voice_mix(&g_voice, stream, static_cast<uint32_t>(len));
}

// Opens the device once; it then stays open (paused while nothing plays) to the end of the process.
bool open_device_locked() {
    if (g_device != 0) return true;
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = 8363;
    want.format = AUDIO_U8;
    want.channels = 1;
    want.samples = 256;
    want.callback = audio_callback;
    SDL_AudioSpec have{};
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    return g_device != 0;
}

}  // namespace

void sdl_platform_window_running(uint32_t exit_event_type, uint32_t game_end_event_type) {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    g_window_running = true;
    g_exit_event = exit_event_type;
    g_game_end_event = game_end_event_type;
    g_window_thread = std::this_thread::get_id();
    g_start_failures.clear();
}

void sdl_platform_game_ended(int32_t status) {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    if (g_exiting || !g_window_running) return;
    SDL_Event e{};
    e.type = g_game_end_event;
    e.user.code = status;
    SDL_PushEvent(&e);
}

std::vector<std::string> sdl_platform_start_failures() {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    return g_start_failures;
}

void platform_report_start_failure(const char* line) {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    g_start_failures.emplace_back(line);
}

void sdl_audio_init() {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) SDL_InitSubSystem(SDL_INIT_AUDIO);
}

void sdl_audio_close_when_idle(uint32_t now_ms) {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    if (g_device == 0 || g_exiting) return;
    bool playing = false;
    {
        std::lock_guard<std::mutex> mix(g_mix_lock);
        playing = g_voice.playing;
    }
    if (playing) {
        g_quiet_seen = false;
    } else if (!g_quiet_seen) {
        g_quiet_seen = true;  // the quiet begins now
        g_quiet_since = now_ms;
    } else if (now_ms - g_quiet_since >= AUDIO_IDLE_CLOSE_MS) {
        SDL_CloseAudioDevice(g_device);  // the next sound opens it again
        g_device = 0;
    }
}

bool sdl_audio_device_open() {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    return g_device != 0;
}

void sdl_audio_shutdown() {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    if (g_device != 0) SDL_CloseAudioDevice(g_device);
    g_device = 0;
    std::lock_guard<std::mutex> mix(g_mix_lock);
    voice_reset(&g_voice);
}

void sdl_shutdown_and_exit(int32_t status) {
    g_sdl_lock.lock();  // never released: the process ends holding it
    g_exiting = true;
    SDL_Quit();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

// ---- Time ---------------------------------------------------------------------------------------

uint32_t platform_clock_ms() {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - g_start).count();
    return static_cast<uint32_t>(ms);
}

void platform_sleep_ms(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void platform_sleep_until(uint32_t deadline_ms) {
    std::this_thread::sleep_until(g_start + std::chrono::milliseconds(deadline_ms));
}

void platform_exit(int32_t status) {
    {
        std::unique_lock<std::mutex> hold(g_sdl_lock);
        if (g_window_running && std::this_thread::get_id() != g_window_thread) {
            // The window thread owns SDL: it shuts it down and ends the process.
            if (!g_exiting) {
                SDL_Event e{};
                e.type = g_exit_event;
                e.user.code = status;
                SDL_PushEvent(&e);
            }
            hold.unlock();
            for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    }
    sdl_shutdown_and_exit(status);
}

// ---- The voice ----------------------------------------------------------------------------------

int32_t platform_voice_open() {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    if (g_exiting) return 0;
    return open_device_locked() ? 1 : 0;
}

void platform_voice_close() {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    {
        std::lock_guard<std::mutex> mix(g_mix_lock);
        voice_reset(&g_voice);
    }
    if (g_device != 0 && !g_exiting) SDL_PauseAudioDevice(g_device, 1);
}

void platform_voice_start(const uint8_t* samples, uint32_t length, uint32_t loops) {
    std::lock_guard<std::mutex> hold(g_sdl_lock);
    if (g_device == 0 || g_exiting) return;  // nothing to play on: the voice stays done
    g_quiet_seen = false;
    {
        std::lock_guard<std::mutex> mix(g_mix_lock);
        voice_start(&g_voice, samples, length, loops);
    }
    SDL_PauseAudioDevice(g_device, 0);
}

void platform_voice_reset() {
    std::lock_guard<std::mutex> mix(g_mix_lock);
    voice_reset(&g_voice);
}

int32_t platform_voice_done() {
    std::lock_guard<std::mutex> mix(g_mix_lock);
    return g_voice.playing ? 0 : 1;
}
