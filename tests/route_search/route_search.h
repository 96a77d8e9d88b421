// A searching pilot for the harbour charts: it tries the player's own controls (the telegraph,
// the rudder and, on model 1, the thruster, each set with the mouse on its gauge) a few ticks at a
// time, stepping the game's own tick from saved states, and keeps the first way that ends the
// episode in success. Best first: the ticks used plus an estimate of the ticks still to go, taken
// from a coarse chart of the poses the hull fits in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/voyage/route_script.h"

// The poses (2-pixel cells, 10-degree headings) in which a model's hull touches no coast of a
// harbour chart; shared by the episodes of that chart and model.
struct RouteLattice {
    int32_t row, model;
    std::vector<uint8_t> free;  // 1 where the hull at the cell's middle and heading touches nothing
    std::vector<int32_t> to_go[4];  // per target, the estimated ticks from each pose (made when first needed)
};
RouteLattice route_lattice_build(int32_t row, int32_t model);

struct RouteSearchResult {
    bool sailed;
    std::vector<RouteInput> script;  // one input per tick of the episode
    int32_t ticks;
    std::string why;      // when not sailed
    int64_t expansions;   // states expanded
};
// Searches the lattice's chart and model's episode from start to target within tick_limit ticks.
RouteSearchResult route_search(RouteLattice& lattice, int32_t start, int32_t target, int32_t tick_limit);
