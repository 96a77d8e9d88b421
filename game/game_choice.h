// Between the intro and the main screen: the world starts afresh, and the players load a saved
// game or set up a new one while the menu music plays.
#pragma once

// Weather, indices and route lengths back to their start; the office pictures shuffled.
void reset_world();
void shuffle_office_styles();
// Asks for a saved game until one is loaded or the player sets up a new one.
void choose_game();
