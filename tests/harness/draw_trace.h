// The game's random draws as a test sees them: the bounds and result of every random_range call,
// in order, each with the game day it fell on. A trace is compared with a golden file of the same draws, and
// the first draw that differs is named.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TracedDraw {
    int32_t day;
    int32_t lo;
    int32_t hi;
    int32_t result;
};

// Starts recording into trace (cleared first) until draw_trace_stop.
void draw_trace_start(std::vector<TracedDraw>* trace);
void draw_trace_stop();

// The draws that fell on one game day, in order.
std::vector<TracedDraw> draw_trace_of_day(const std::vector<TracedDraw>& trace, int32_t day);

// One line a draw: "day lo hi result".
std::string draw_trace_text(const std::vector<TracedDraw>& trace);
// Empty when the trace equals the golden file tests/<golden>; else a message naming the first draw
// that differs. With MARIVANE_UPDATE_GOLDEN=1 in the environment the file is written instead.
std::string draw_trace_compare(const std::vector<TracedDraw>& trace, const std::string& golden);
