// The shipowner chooser of the main screen's side buttons: one button per shipowner still in the
// game, its company name beside it, and cancel; a digit key picks a shipowner directly.
#pragma once

#include <cstdint>

struct ScreenBox;

extern ScreenBox g_shipowner_box;

// 0 with *chosen set to the shipowner's index, 1 when cancelled (*chosen is then 0).
int32_t choose_shipowner_dialog(int32_t* chosen);
