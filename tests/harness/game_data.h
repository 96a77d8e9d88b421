// The game's fonts and picture files for the tests that draw screens: loaded once, the first time a
// case needs them, and reopened when an earlier case closed the picture files.
#pragma once

void harness_load_game_data();
