// The ship locator: one ship's status sheet beside the shaded globe centred on her, and a position
// pad that turns the globe, until OK or quit.
#pragma once

#include <cstdint>

#include "ui/gadget.h"

struct Ship;

// The position pad: moves both ways; the start-up puts its knob in the middle.
extern SliderInfo g_locator_pad_info;

constexpr int32_t LOCATOR_LINE_SIZE = 40;

// The five lines of the status sheet: name, cargo or mooring, state or origin, destination, speed
// and arrival.
struct LocatorStatus {
    char lines[5][LOCATOR_LINE_SIZE];
};

void locator_status_lines(const Ship* ship, LocatorStatus* status);
// The view centre the pad's knob points at, in whole degrees.
void locator_pad_target(int32_t* lon, int32_t* lat);
void show_ship_locator(Ship* ship);
