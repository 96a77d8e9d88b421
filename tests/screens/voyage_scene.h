// The one shipowner the voyage screens show: Hendrik of Nordsee with captain Jansen, 2500 k$ and
// status 4, and his one ship, the Aurora, a laden model 3 on route 1 from A to B with the given
// wind everywhere. A screen changes what it needs and frees it all with voyage_scene_clear.
#pragma once

#include <cstdint>

struct Ship;

// The ship at (lon, lat) in tenths of a degree, or null when no ship block is left.
Ship* voyage_scene_owner(int32_t lon, int32_t lat, int32_t wind);
// The ships freed, no shipowner, no wind, the main screen not shown.
void voyage_scene_clear();
// Enter once the screen has long been up: the presented frame is the screen just before it.
void voyage_scene_answer_later(uint32_t ms);
