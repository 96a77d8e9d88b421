// What a scripted player sees on the headless host: which box or screen is up, the frame as it
// stands, and whether a box on screen holds given lines (the box drawn afresh over the frame that
// lay under it must give the same pixels).
#pragma once

#include <cstdint>
#include <vector>

#include "tests/harness/player_view.h"

bool message_box_up();
bool ask_box_up();
std::vector<uint8_t> frame_copy();
// Pixels that differ between the frame shown and a message box of lines opened over the frame
// under it; 0 when the box held exactly these lines. The screen is left as shown.
int32_t message_box_differences(const std::vector<uint8_t>& under, const std::vector<uint8_t>& shown,
                                const char* const* lines);
