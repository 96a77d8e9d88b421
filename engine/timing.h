// The game's time base: the tick that paces animations and dialogs, waits, and the seconds clock.
#pragma once

#include <cstdint>

// Every sleep of the game thread goes through here: it first hands a freshly drawn frame to the
// window (frame_publish), then sleeps.
void game_sleep_ms(uint32_t ms);
// The process clock in milliseconds since start.
int32_t game_clock();

void wait_tick();
void delay_ticks(int32_t n);
void seconds_since_start(int32_t* seconds);
