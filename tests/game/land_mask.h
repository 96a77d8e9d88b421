// A land mask of the world rasterised from the coastline table: one cell per tenth of a degree,
// land where a point lies inside a coastline polygon (even-odd within each polygon).
#pragma once

#include <cstdint>

struct Coastline;

// Built once on first use.
bool land_at(int32_t lon, int32_t lat);  // tenths of a degree; lon wraps, lat is clamped
bool polygon_contains(const Coastline& coast, int32_t lat, int32_t lon);
// Whether a point within `radius` tenths (square neighbourhood) is land / sea.
bool land_within(int32_t lon, int32_t lat, int32_t radius);
bool sea_within(int32_t lon, int32_t lat, int32_t radius);
