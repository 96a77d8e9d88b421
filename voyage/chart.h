// The chart of a manoeuvring episode: the sea, the coast polygons of g_sim_coast filled in the
// style of g_sim_map_style (harbour quays with shaded edges, stippled ice with a fractal relief,
// reefs, shoals) and the objects of the sprite sheet.
#pragma once

#include <cstdint>

// Draws the chart of g_sim_coast in g_sim_map_style. Placing sprite 0 also places the hourglass.
void chart_draw();
