#include "engine/palette_cycle.h"

#include <cstring>

#include "engine/frame.h"
#include "engine/picture.h"

void palette_cycle(int32_t first, int32_t count, int32_t apply) {
    if (first < 0 || first >= 32 || static_cast<int64_t>(first) + count - 1 >= 32) return;
    if (count >= 2) {
        uint8_t last[3];
        std::memcpy(last, g_picture_palette[first + count - 1], 3);
        std::memmove(g_picture_palette[first + 1], g_picture_palette[first],
                     static_cast<size_t>(3 * (count - 1)));
        std::memcpy(g_picture_palette[first], last, 3);
    }
    if (apply != 0) palette_set_cycle_colours(&g_picture_palette[0][0]);
}
