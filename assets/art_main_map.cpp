#include "assets/art_main_map.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "assets/art_main.h"
#include "world/ports.h"
#include "world/projection.h"

namespace {

constexpr int32_t LAND_MARK = 1;  // scratch value for land while the mask is built

// A position (tenths of a degree) through the game's own map projection, clamped to the map.
PaintPoint map_point(int32_t lat, int32_t lon) {
    g_project_lat = lat;
    g_project_lon = lon;
    project_flat_map_point();
    return {g_project_x, g_project_y};
}

// Fills one coastline polygon into the mask.
void fill_polygon(PictureImage* mask, const Coastline& coast) {
    std::vector<PaintPoint> outline;
    for (int32_t i = 0; i < coast.count; ++i) outline.push_back(map_point(coast.points[i].lat, coast.points[i].lon));
    paint_polygon(mask, outline.data(), static_cast<int32_t>(outline.size()), LAND_MARK);
}

bool is_land(const PictureImage* mask, int32_t x, int32_t y) {
    if (x < 9 || x > 245 || y < 19 || y > 145) return false;
    return paint_get(mask, x, y) == LAND_MARK;
}

// Distance in pixels from (x, y) to the nearest land, up to limit.
int32_t land_distance(const PictureImage* mask, int32_t x, int32_t y, int32_t limit) {
    for (int32_t r = 1; r <= limit; ++r)
        for (int32_t dy = -r; dy <= r; ++dy)
            for (int32_t dx = -r; dx <= r; ++dx)
                if (std::max(std::abs(dx), std::abs(dy)) == r && dx * dx + dy * dy <= r * r + r &&
                    is_land(mask, x + dx, y + dy))
                    return r;
    return limit + 1;
}

// Deserts: the dry belts of North Africa and Arabia, inner Australia, the Kalahari, the Atacama
// and the American south-west, in degrees.
bool desert_at(int32_t lat, int32_t lon) {
    static const int32_t boxes[][4] = {{16, 32, -16, 58}, {-32, -18, 118, 142}, {-28, -18, 14, 26},
                                       {-28, -16, -71, -68}, {26, 36, -116, -104}, {36, 46, 54, 75}};
    for (const auto& b : boxes)
        if (lat >= b[0] && lat <= b[1] && lon >= b[2] && lon <= b[3]) return true;
    return false;
}

int32_t land_colour(const PictureImage* mask, int32_t x, int32_t y) {
    int32_t lat = (82 - y) * 1800 / 127 / 10, lon = (x - 127) * 3600 / 237 / 10;
    bool coast = !is_land(mask, x - 1, y) || !is_land(mask, x + 1, y) || !is_land(mask, x, y - 1) ||
                 !is_land(mask, x, y + 1);
    int32_t broad = main_smooth_noise(x, y, 5, 81);
    int32_t detail = main_smooth_noise(x, y, 2, 82);
    int32_t relief = broad / 2 + detail / 4;  // 0..191
    int32_t edge = std::abs(lat) + (relief - 96) / 12;
    if (edge >= 66) return coast ? MS_ICE + 8 : main_shade(x, y, MS_ICE, 16, 170 + relief / 2);
    // light from the north-west: slopes facing it are lighter
    int32_t upper_left = main_smooth_noise(x - 1, y - 1, 5, 81);
    int32_t lower_right = main_smooth_noise(x + 1, y + 1, 5, 81);
    int32_t slope = upper_left - lower_right;
    if (desert_at(lat, lon) && relief < 170) {
        if (coast) return MS_DESERT + 6;
        return main_shade(x, y, MS_DESERT, 16, 150 + slope * 2 + (relief - 96) / 2);
    }
    if (coast) return MS_LAND + 1;
    return main_shade(x, y, MS_LAND, 16, 30 + relief * 2 / 3 + slope * 2 + (std::abs(lat) > 50 ? 20 : 0));
}

}  // namespace

void paint_world_map(PictureImage* image, const Coastline* table) {
    PictureImage* mask = new PictureImage();
    paint_clear(mask, 0);
    for (const Coastline* coast = table; coast->count > 0; ++coast) fill_polygon(mask, *coast);
    // Ports lie on the sea side of their coast: clear the land under each port's pixel.
    // A port that the coarse coasts put a little inland (up a river) gets a channel to the nearest
    // open water.
    for (int32_t row = 1; row <= PORT_COUNT; ++row) {
        PaintPoint p = map_point(g_port_table[row].lat, g_port_table[row].lon);
        paint_pixel(mask, p.x, p.y, 0);
        int32_t best = -1, bx = p.x, by = p.y;
        for (int32_t dy = -8; dy <= 8; ++dy)
            for (int32_t dx = -8; dx <= 8; ++dx) {
                int32_t d = dx * dx + dy * dy;
                if (d == 0 || is_land(mask, p.x + dx, p.y + dy) || (best >= 0 && d >= best)) continue;
                int32_t x = p.x + dx, y = p.y + dy;
                if (x < 9 || x > 245 || y < 19 || y > 145) continue;
                best = d;
                bx = x;
                by = y;
            }
        if (best > 2) paint_line(mask, p.x, p.y, bx, by, 0);
    }
    for (int32_t y = MAP_Y0 + 1; y <= MAP_Y1; ++y)
        for (int32_t x = 9; x <= 245; ++x) {
            if (is_land(mask, x, y)) {
                paint_pixel(image, x, y, land_colour(mask, x, y));
                continue;
            }
            // open sea a little darker far from land, shallows lighter along the coasts
            int32_t d = land_distance(mask, x, y, 4);
            int32_t pos = 120 + (main_smooth_noise(x, y, 9, 71) - 128) / 4;
            if (d <= 4) pos += (5 - d) * 26;
            paint_pixel(image, x, y, main_shade(x, y, MS_SEA, 15, pos));
        }
    // graticule every 30 degrees over the sea, the equator a little stronger
    for (int32_t lat = -600; lat <= 600; lat += 300) {
        int32_t y = map_point(lat, 0).y;
        for (int32_t x = 9; x <= 245; ++x) {
            int32_t c = paint_get(image, x, y);
            if (c >= MS_SEA && c < MS_SEA + 15 && (x % (lat == 0 ? 2 : 3)) == 0)
                paint_pixel(image, x, y, std::min(MS_SEA + 14, c + (lat == 0 ? 5 : 3)));
        }
    }
    for (int32_t lon = -1500; lon <= 1500; lon += 300) {
        int32_t x = map_point(0, lon).x;
        for (int32_t y = MAP_Y0 + 1; y <= MAP_Y1; ++y) {
            int32_t c = paint_get(image, x, y);
            if (c >= MS_SEA && c < MS_SEA + 15 && y % 3 == 0) paint_pixel(image, x, y, std::min(MS_SEA + 14, c + 3));
        }
    }
    // the ports: a light dot each, under the place where ships in port are drawn
    for (int32_t row = 1; row <= PORT_COUNT; ++row) {
        PaintPoint p = map_point(g_port_table[row].lat, g_port_table[row].lon);
        paint_pixel(image, p.x, p.y, MS_BRASS + 15);
    }
    // the border: a scale of alternating light and dark segments, one per 30 degrees
    for (int32_t y = MAP_Y0; y <= MAP_Y1; ++y)
        for (int32_t x = MAP_X0; x <= MAP_X1; ++x) {
            bool left = x <= 8, right = x >= 246, top = y == MAP_Y0;
            if (!left && !right && !top) continue;
            int32_t colour = MS_STEEL + 3;
            if (left || right) {
                int32_t seg = (y - 19) * 6 / 127;
                bool inner = left ? x == 8 : x == 246;
                colour = inner ? MS_STEEL + 1 : (seg % 2 ? MS_PAPER + 13 : MS_INK + 2);
                if (left ? x == 6 : x == 250) colour = MS_STEEL + 1;
            }
            if (top) colour = (x < 9 || x > 245) ? MS_STEEL + 1 : (((x - 9) * 12 / 237) % 2 ? MS_PAPER + 13 : MS_INK + 2);
            paint_pixel(image, x, y, colour);
        }
    delete mask;
}
