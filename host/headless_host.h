// The headless host: a virtual clock and scripted input for running game-thread code in tests.
//
// Sleeping advances the virtual clock at once and, on the way, delivers every scripted event that
// falls due, through the same entry points the window thread uses. A scripted ten-second wait thus
// costs microseconds, and a run is the same every time.
#pragma once

#include <cstdint>

enum HeadlessEventKind : int32_t {
    HEADLESS_MOVE,        // pointer to (x, y)
    HEADLESS_LEFT_DOWN,   // pointer to (x, y), left button down
    HEADLESS_LEFT_UP,     // left button up
    HEADLESS_RIGHT_DOWN,  // pointer to (x, y), right button down
    HEADLESS_RIGHT_UP,    // right button up
    HEADLESS_KEY,         // key code into the key slot
};

// Back to virtual time 0 with no script, a silent voice and no device failure.
void headless_reset();
// Queues an event at virtual time at_ms (events at the same time keep their order).
void headless_script(uint32_t at_ms, HeadlessEventKind kind, int32_t a = 0, int32_t b = 0);
// A left click at (x, y): down at at_ms, up 60 ms later.
void headless_script_click(uint32_t at_ms, int32_t x, int32_t y);
// Typed keys, one every 100 ms from at_ms.
void headless_script_text(uint32_t at_ms, const char* text);
// Events still waiting to fall due.
uint32_t headless_pending_events();
// Delivers every event due by now without advancing the clock.
void headless_deliver_due();
// Total virtual milliseconds slept so far (same as the clock, unless the clock was moved).
uint32_t headless_now();
// Moves the virtual clock forward (busy work that takes time, for tests of clock-based code).
void headless_advance(uint32_t ms);

// A function the game thread calls after every sleep, once the events then due are delivered: a
// test's "player" that looks at the screen and scripts what to do next. Null for none; reset clears.
using HeadlessSleepHook = void (*)(void* context);
void headless_set_sleep_hook(HeadlessSleepHook hook, void* context);

// The lines the game reported through platform_report_start_failure since the reset, one per line.
const char* headless_start_failures();

// Sound: whether a device "opens", and what the voice was last asked to play.
void headless_set_sound_device(bool present);
struct HeadlessVoice {
    const uint8_t* samples;
    uint32_t length;
    uint32_t loops;
    uint32_t started_at;
    uint32_t starts;  // number of starts since reset
    bool playing;
};
HeadlessVoice headless_voice();
