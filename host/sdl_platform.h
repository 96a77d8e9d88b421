// The SDL side of the platform seam (platform.h): the real clock and sleeps, the process exit,
// and the sound voice on one SDL audio device. These are the window host's hooks into it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The window thread calls this once SDL video runs: from then on an exit asked for by the game
// thread is carried out by the window thread (the game thread posts it and waits), and the end of
// the game thread is posted as game_end_event_type with the game's status.
void sdl_platform_window_running(uint32_t exit_event_type, uint32_t game_end_event_type);
// Game thread, as its last act: tells the window that the game returned with status.
void sdl_platform_game_ended(int32_t status);
// The lines the game reported through platform_report_start_failure so far.
std::vector<std::string> sdl_platform_start_failures();
// Readies the audio subsystem (window thread, before the game starts). Harmless when there is no
// sound driver: the voice then never opens and the game runs silent.
void sdl_audio_init();
// A paused audio device still wakes its thread for every buffer, so the window closes it once
// nothing has played for this long; the next sound opens it again.
constexpr uint32_t AUDIO_IDLE_CLOSE_MS = 2000;
// Window thread, on its tick: closes the device after AUDIO_IDLE_CLOSE_MS without sound.
void sdl_audio_close_when_idle(uint32_t now_ms);
bool sdl_audio_device_open();
// Closes the audio device if one is open (tests use it to flush what the disk driver wrote).
void sdl_audio_shutdown();
// Shuts SDL down and ends the process at once, wherever the game thread is. Window thread only.
[[noreturn]] void sdl_shutdown_and_exit(int32_t status);
