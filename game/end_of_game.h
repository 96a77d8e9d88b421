// The end of a game: a last save, the ranking, the statistics of those still in, the farewell.
#pragma once

void end_of_game();
