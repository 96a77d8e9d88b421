// The globe's projection and its land layers checked against the world itself: every coast pixel
// lies on a real coast, filled land never spills into open sea, every seed finds its land, and the
// far side of the globe stays empty.
#include "views/globe_land.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "engine/draw.h"
#include "engine/frame.h"
#include "world/coastlines.h"
#include "views/globe.h"
#include "views/state_reset.h"
#include "world/ports.h"
#include "world/routes.h"
#include "game/startup.h"
#include "tests/game/land_mask.h"
#include "tests/harness/harness.h"

namespace {

constexpr int32_t kOffset = 2;
constexpr double kPi = 3.14159265358979323846;

uint8_t pixel(int32_t x, int32_t y) {
    return g_screen_buffer[y * SCREEN_WIDTH + x];
}

int32_t count_colour(uint8_t colour) {
    int32_t n = 0;
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) n += g_screen_buffer[i] == colour;
    return n;
}

// The view every globe screen starts from: offset 2, the cleared globe with its rim and coasts.
void draw_view(int32_t lon, int32_t lat, bool fill) {
    harness_start_engine();
    views_state_reset();  // the globe as the start-up leaves it
    set_globe_view_center(lon, lat);
    set_globe_screen_offset(kOffset);
    draw_globe_outline();
    draw_globe_coastlines();
    set_globe_screen_offset(kOffset);
    if (fill) fill_globe_land();
}

// The point of the world that a screen pixel shows, in tenths of a degree; false near the rim,
// where one pixel spans too much of the world to judge it.
bool world_at_pixel(int32_t sx, int32_t sy, int32_t* lon, int32_t* lat) {
    double x = (sx - 100 - kOffset) * 8.0 / 3.0;
    double y = (100 - sy) * g_globe_y_divisor / 3.0;
    if (x * x + y * y > 200.0 * 200.0) return false;
    double z = std::sqrt(256.0 * 256.0 - x * x - y * y);
    double v = g_globe.view_lat * kPi / 180;
    double sl = (y * std::cos(v) + z * std::sin(v)) / 256;
    double east = x / 256;
    double toward = (z * std::cos(v) - y * std::sin(v)) / 256;
    *lat = static_cast<int32_t>(std::lround(std::asin(sl) * 1800 / kPi));
    *lon = static_cast<int32_t>(std::lround(g_globe.view_lon * 10 + std::atan2(east, toward) * 1800 / kPi));
    return true;
}

// Land and sea around a point, sampled over a square of about r tenths (wider in longitude toward
// the poles, so that the square stays square on the globe).
struct Surroundings {
    bool land;
    bool sea;
};

Surroundings around(int32_t lon, int32_t lat, int32_t r) {
    double c = std::cos(lat * kPi / 1800);
    int32_t rl = static_cast<int32_t>(r / (c < 0.1 ? 0.1 : c));
    Surroundings s{false, false};
    for (int32_t i = -6; i <= 6; ++i) {
        for (int32_t j = -6; j <= 6; ++j) {
            bool l = land_at(lon + rl * i / 6, lat + r * j / 6);
            s.land = s.land || l;
            s.sea = s.sea || !l;
        }
    }
    return s;
}

struct View {
    const char* name;
    int32_t lon;  // whole degrees
    int32_t lat;
};

const View kViews[] = {
    {"Africa", 20, 0},     {"Atlantic", -40, 30},   {"Americas", -80, 0},
    {"EastAsia", 120, 30}, {"Australia", 135, -25}, {"Pacific", -160, 10},
    {"NorthPole", 0, 90},  {"SouthPole", 0, -90},   {"IndianOcean", 75, -10},
};

TEST(GlobeProjection, ViewCentreAndFarSide) {
    struct Case {
        int32_t view_lon, view_lat, lat, lon;  // view in degrees, point in tenths
        int32_t x, y, depth;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 256},            // the centre of a view on the equator
        {0, 45, 450, 0, 0, 0, 255},         // the centre of a view at 45 degrees
        {120, -30, -300, 1200, 0, 0, 255},  // southern sines are truncated, a unit short
        {0, 0, 0, 900, 256, 0, 0},          // the eastern rim
        {0, 0, 0, 1800, 0, 0, -255},        // the antipode
        {0, 45, -450, 1800, 0, 0, -256},
        {-75, 40, 0, 1050, 0, 164, -196},  // the equator behind the globe, seen from 40 north
    };
    harness_start_engine();
    for (const Case& c : cases) {
        set_globe_view_center(c.view_lon, c.view_lat);
        globe_set_view_latitude();
        g_globe.lat = c.lat;
        g_globe.lon = c.lon;
        project_globe_point();
        EXPECT_EQ(g_globe.x, c.x) << c.view_lon << "/" << c.view_lat << " point " << c.lat << "," << c.lon;
        EXPECT_EQ(g_globe.y, c.y) << c.view_lon << "/" << c.view_lat << " point " << c.lat << "," << c.lon;
        EXPECT_EQ(g_globe.depth, c.depth)
            << c.view_lon << "/" << c.view_lat << " point " << c.lat << "," << c.lon;
    }
}

// Every coast pixel well inside the rim shows a point of the world next to both land and sea; a
// coast drawn from the far side would land in open ocean or inland.
TEST(GlobeCoastlines, EveryPixelLiesOnARealCoast) {
    for (const View& v : kViews) {
        draw_view(v.lon, v.lat, false);
        int32_t drawn = 0;
        int32_t astray = 0;
        for (int32_t sy = 0; sy < 200; ++sy) {
            for (int32_t sx = 0; sx < 200; ++sx) {
                int32_t lon = 0;
                int32_t lat = 0;
                if (pixel(sx, sy) != 15 || !world_at_pixel(sx, sy, &lon, &lat)) continue;
                // Antarctica closes along the date line to the pole, a seam inside the ice.
                if (lat < -875) continue;
                ++drawn;
                Surroundings s = around(lon, lat, 25);
                if (!s.land || !s.sea) ++astray;
            }
        }
        EXPECT_GT(drawn, 50) << v.name;
        EXPECT_EQ(astray, 0) << v.name << ": " << astray << " of " << drawn
                             << " coast pixels away from any coast";
    }
}

// The land fill: green only over land, never the whole globe, and over every view of the table.
TEST(GlobeLand, FillStaysOnLand) {
    for (const View& v : kViews) {
        draw_view(v.lon, v.lat, true);
        int32_t green = 0;
        int32_t at_sea = 0;
        for (int32_t sy = 0; sy < 200; ++sy) {
            for (int32_t sx = 0; sx < 200; ++sx) {
                int32_t lon = 0;
                int32_t lat = 0;
                if (pixel(sx, sy) != 10) continue;
                ++green;
                if (world_at_pixel(sx, sy, &lon, &lat) && !around(lon, lat, 25).land) ++at_sea;
            }
        }
        EXPECT_EQ(at_sea, 0) << v.name << ": " << at_sea << " of " << green << " land pixels in open sea";
        EXPECT_LT(green, 16000) << v.name;  // the disc holds about 25000 pixels
    }
}

// Looked at straight on, each seed lies in land that its fill covers: the seed's own pixel takes
// the colour and the region is a real piece of land, not a dot nor the globe.
TEST(GlobeLand, EverySeedFillsItsLand) {
    struct Seeds {
        const SeedPoint* list;
        uint8_t colour;
    };
    for (const Seeds& seeds : {Seeds{g_land_seeds, 10}, Seeds{g_ice_seeds, 15}}) {
        for (const SeedPoint* s = seeds.list; s->lat != 0; ++s) {
            draw_view(s->lon / 10, s->lat / 10, false);
            int32_t before = count_colour(seeds.colour);
            fill_globe_land();
            int32_t filled = count_colour(seeds.colour) - before;
            int32_t x = 0;
            int32_t y = 0;
            g_globe.lat = s->lat;
            g_globe.lon = s->lon;
            project_globe_point();
            x = g_globe.x;
            y = g_globe.y;
            scale_globe_to_screen(&x, &y);
            EXPECT_EQ(pixel(x, y), seeds.colour) << "seed " << s->lat << "," << s->lon;
            EXPECT_GT(filled, 40) << "seed " << s->lat << "," << s->lon;
            EXPECT_LT(filled, 16000) << "seed " << s->lat << "," << s->lon;
        }
    }
}

TEST(GlobePointerLine, DrawnOnlyToVisiblePoints) {
    struct Case {
        int32_t lon, lat;  // tenths
        bool drawn;
    };
    const Case cases[] = {
        {0, 0, true}, {500, 300, true}, {1800, 0, false}, {0, -890, false}, {890, 0, false}};
    for (const Case& c : cases) {
        draw_view(0, 0, false);
        draw_globe_pointer_line(c.lon, c.lat);
        EXPECT_EQ(count_colour(14) > 0, c.drawn) << c.lon << "," << c.lat;
        if (c.drawn) {
            EXPECT_EQ(pixel(199, 50), 14);
        }
    }
}

// The points of a route, port A first, in tenths.
int32_t route_points(int32_t r, CoastPoint* out) {
    const Route& route = g_route_table[r];
    int32_t n = 0;
    out[n++] = {g_port_table[route.port_a].lat, g_port_table[route.port_a].lon};
    for (const Waypoint* w = route.waypoints; w->lon != 0 || w->lat != 0; ++w) out[n++] = {w->lat, w->lon};
    out[n++] = {g_port_table[route.port_b].lat, g_port_table[route.port_b].lon};
    return n;
}

// Distance of a pixel from the screen segment p-q.
double segment_distance(double x, double y, double px, double py, double qx, double qy) {
    double dx = qx - px;
    double dy = qy - py;
    double len2 = dx * dx + dy * dy;
    double t = len2 == 0 ? 0 : ((x - px) * dx + (y - py) * dy) / len2;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return std::hypot(x - (px + t * dx), y - (py + t * dy));
}

// Draws route r alone on the view and counts its pixels, and those that lie off every leg whose
// two ends are well on the visible side (by the sphere's own geometry).
void route_pixels(int32_t r, int32_t view_lon, int32_t view_lat, int32_t* drawn, int32_t* stray) {
    draw_view(view_lon, view_lat, false);
    set_draw_color(0);
    fill_rect(0, 0, 199, 199);
    draw_globe_ship_route(r);
    CoastPoint pts[64];
    double seg[64][4];
    int32_t legs = 0;
    int32_t n = r == 0 ? 0 : route_points(r, pts);
    for (int32_t i = 0; i + 1 < n; ++i) {
        int32_t ends[2][3];
        for (int32_t k = 0; k < 2; ++k) {
            g_globe.lat = pts[i + k].lat;
            g_globe.lon = pts[i + k].lon;
            project_globe_point();
            ends[k][0] = g_globe.x;
            ends[k][1] = g_globe.y;
            ends[k][2] = g_globe.depth;
            scale_globe_to_screen(&ends[k][0], &ends[k][1]);
        }
        // Port A counts as in view from depth 5 on, every later point from 11.
        if (ends[0][2] < (i == 0 ? 5 : 11) || ends[1][2] < 11) continue;
        seg[legs][0] = ends[0][0], seg[legs][1] = ends[0][1], seg[legs][2] = ends[1][0],
        seg[legs][3] = ends[1][1];
        ++legs;
    }
    *drawn = 0;
    *stray = 0;
    for (int32_t sy = 0; sy < 200; ++sy) {
        for (int32_t sx = 0; sx < 200; ++sx) {
            if (pixel(sx, sy) != 10) continue;
            ++*drawn;
            bool near = false;
            for (int32_t l = 0; l < legs && !near; ++l)
                near = segment_distance(sx, sy, seg[l][0], seg[l][1], seg[l][2], seg[l][3]) <= 1.0;
            if (!near) ++*stray;
        }
    }
}

// The route's line runs only along legs whose two ends lie well on the visible side; a leg with
// an end behind the globe would show up mirrored across the visible face.
TEST(GlobeRoute, OnlyLegsBetweenVisiblePoints) {
    struct Case {
        const char* name;
        int32_t route;
        int32_t view_lon, view_lat;
        int32_t min_pixels;  // 0 = nothing may be drawn
    };
    const Case cases[] = {
        {"Atlantic crossing in view", 1, -35, 45, 60},
        {"Atlantic crossing from behind", 1, 145, -45, 0},
        {"around the Cape, half in view", 12, 20, -30, 30},
        {"Pacific seen from the date line", 29, 180, 40, 100},
        {"no route", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        int32_t drawn = 0;
        int32_t stray = 0;
        route_pixels(c.route, c.view_lon, c.view_lat, &drawn, &stray);
        EXPECT_EQ(stray, 0) << c.name;
        if (c.min_pixels == 0) {
            EXPECT_EQ(drawn, 0) << c.name;
        } else {
            EXPECT_GE(drawn, c.min_pixels) << c.name;
        }
    }
}

// Turning the globe once around under long routes brings their points across the rim, through the
// thin band just inside it where a leg must not be drawn yet.
TEST(GlobeRoute, LegsNearTheRimStayHidden) {
    for (int32_t r : {12, 20, 47}) {
        for (int32_t lon = -180; lon < 180; lon += 5) {
            int32_t drawn = 0;
            int32_t stray = 0;
            route_pixels(r, lon, 0, &drawn, &stray);
            EXPECT_EQ(stray, 0) << "route " << r << " seen from " << lon;
        }
    }
}

}  // namespace
