#include "engine/timing.h"

#include "engine/frame_handover.h"
#include "host/platform.h"

void game_sleep_ms(uint32_t ms) {
    frame_publish();
    platform_sleep_ms(ms);
}

int32_t game_clock() { return static_cast<int32_t>(platform_clock_ms()); }

// A tick ends when the clock has advanced by more than 15 ms. It sleeps to that deadline rather
// than spinning on the clock, so a waiting game leaves the processor idle.
void wait_tick() {
    uint32_t t0 = platform_clock_ms();
    frame_publish();
    platform_sleep_until(t0 + 16);
}

void delay_ticks(int32_t n) {
    for (int32_t i = 0; i < n; ++i) wait_tick();
}

void seconds_since_start(int32_t* seconds) { *seconds = game_clock() / 1000; }
