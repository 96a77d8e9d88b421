// The new-game set-up: playing time, difficulty, mode and number of shipowners in four choice
// dialogs, then one registration form, record, home port and globe view per shipowner.
#pragma once

#include <cstdint>

#include "lang/lang.h"
#include "ui/screen_layout.h"

// The home port a build's settings offer first, written before the picker replaces it.
int8_t setup_default_home_port(const LanguageSettings& settings);

void setup_new_game();
// One choice dialog over the screen: highlights start, lets the arrows and buttons move the
// highlight and returns the chosen row (0-based) on OK or quit.
int32_t setup_choice_dialog(const ScreenButton* buttons, const ScreenBox* boxes, const ScreenText* texts,
                            int32_t start, int32_t last, int32_t step_h, int32_t step_v, int32_t churn_random);
// A new shipowner's record: cleared, 4100 k$ with a history of that amount, status -1, no ships,
// the build's default home port.
void setup_init_shipowner(int32_t player, const char* name, const char* company);
