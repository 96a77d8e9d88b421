// Places in the harbour pictures that the harbour screens copy from or draw into, shared with the
// painters of those pictures: the port views of the port pictures and the harbour sheet, the
// shipyard cut-out of the repair picture.
#pragma once

#include <cstdint>

// One port view: its size in the port pictures and its window on the harbour sheet.
constexpr int32_t PORT_VIEW_X = 179;
constexpr int32_t PORT_VIEW_Y = 18;
constexpr int32_t PORT_VIEW_W = 92;
constexpr int32_t PORT_VIEW_H = 66;

// The shipyard: the top-left part of the repair picture, shown at (1, 30).
constexpr int32_t REPAIR_CUTOUT_W = 118;
constexpr int32_t REPAIR_CUTOUT_H = 137;
