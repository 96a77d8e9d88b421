// The world's coastlines: closed polygons of the continents and large islands in tenths of a degree,
// latitude first, and the seed points from which the globe floods land and ice. The globe and the
// main screen's map are both drawn from this one table.
#pragma once

#include <cstdint>

constexpr int32_t COASTLINE_COUNT = 20;

struct CoastPoint {
    int32_t lat;  // tenths of a degree, north positive
    int32_t lon;  // tenths of a degree, east positive
};

// A polygon's last point repeats its first. No edge crosses the date line: land that reaches it
// ends on the meridian 180, and Antarctica is closed along the bottom edge of the map at the pole.
struct Coastline {
    int32_t count;  // number of points; 0 ends the table
    const CoastPoint* points;
};

extern const Coastline g_coastlines[COASTLINE_COUNT + 1];

// Seed lists end at the first pair whose latitude is 0; seeds on the equator use latitude 1.
struct SeedPoint {
    int32_t lat;
    int32_t lon;
};

extern const SeedPoint g_land_seeds[];
extern const SeedPoint g_ice_seeds[];  // Greenland, then Antarctica
