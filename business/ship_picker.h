// The ship picker of the bank's mortgage lists and the ships-positions list: one button per ship
// in list order, ten to a column.
#pragma once

#include <cstdint>

#include "ui/screen_layout.h"

struct Ship;
struct Shipowner;

// Ships beyond this many are not listed.
constexpr int32_t SHIP_PICKER_MAX = 30;

// Writes one 100 x 13 button per ship (command 100 + i, labelled with the ship's name) from (7, 32),
// 14 pixels apart, a new column 102 to the right after a row whose y passes 165. Returns the number
// of rows written, at most SHIP_PICKER_MAX.
int32_t ship_picker_buttons(const Shipowner* owner, ScreenButton* buttons);
// Ship i (from 0) of the list, or null.
Ship* ship_picker_ship(const Shipowner* owner, int32_t index);
