// The end of a game: a last save, the ranking, the statistics of those still in, the farewell.
#pragma once

void end_of_game();
// Frees every ship of every shipowner of the game (the list heads are left as they are).
void free_all_ships_at_end();
