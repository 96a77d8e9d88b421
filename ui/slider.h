// Sliders: a box with a knob whose position along each flagged axis is a pot value 0..65535.
#pragma once

#include <cstdint>

#include "ui/gadget.h"

// mode 3 redraws the knob only (the old one erased); any other mode draws the whole slider.
void slider_draw(Gadget* g, int32_t mode);
// The knob's offset inside the box for the current pots and the knob size the last draw stored.
void slider_knob_offset(const Gadget* g, int32_t* kx, int32_t* ky);
// A press inside the slider: grabs the knob or pages by one step toward the pointer.
void slider_press(Gadget* g, int32_t x, int32_t y);
// The pointer moved inside the slider's box while it is pressed: a grabbed knob follows it.
void slider_follow(Gadget* g, int32_t x, int32_t y);
