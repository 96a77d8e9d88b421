// Boxes that wait for the player while the picture behind them moves: the palette wave of the sea
// pictures (gale, epidemic, rescue) and the message and choice boxes that run it while they wait.
#pragma once

#include <cstdint>

#include "ui/requester.h"

// One step of the palette wave: rotates the picture palette's water colours by the two counters
// (both start at 0 and belong to the caller), uploads colours 32..63 and waits one 15 ms tick.
// quiet leaves the triples 12..15 still.
void palette_wave_step(int32_t* tick, int32_t* phase, int32_t quiet);
// Polls and runs the wave from fresh counters until a poll gives a command.
void wait_dialog_animated(int32_t quiet);
// A message box that runs the wave while it waits.
void message_box_animated(TextLines lines, int32_t quiet);
// A question box that runs the wave while it waits: 1 for yes (301 or Enter), 0 for no (300), -1
// for any other command.
int32_t choice_box_animated(TextLines lines, const char* yes, const char* no, int32_t quiet);
