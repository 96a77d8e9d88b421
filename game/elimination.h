// The screen that tells a bankrupt shipowner it is out of the game, and ends the game when nobody is
// left in it.
#pragma once

#include <cstdint>

#include "ui/screen_layout.h"

struct Shipowner;

constexpr int32_t ELIMINATION_PICTURE = 25;
constexpr int32_t ELIMINATION_LINES = 10;

// The screen's table, filled in for the shipowner last eliminated (ten lines and the end row).
extern ScreenText g_elimination_texts[ELIMINATION_LINES + 1];
extern ScreenButton g_elimination_buttons[1];

// Takes shipowner player out of the game and shows the screen until OK; sets g_quit when this was
// the last shipowner in the game. Its ships and record stay as they are.
void shipowner_eliminated(int32_t player, Shipowner* shipowner);
