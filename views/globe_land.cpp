#include "views/globe_land.h"

#include "engine/draw.h"
#include "engine/frame.h"
#include "world/coastlines.h"
#include "views/globe.h"
#include "world/ports.h"
#include "world/routes.h"

namespace {

// Projects a point and gives its screen position; the depth stays in g_globe.depth.
void project_to_screen(int32_t lat, int32_t lon, int32_t* x, int32_t* y) {
    g_globe.lat = lat;
    g_globe.lon = lon;
    project_globe_point();
    *x = g_globe.x;
    *y = g_globe.y;
    scale_globe_to_screen(x, y);
}

// Floods colour from every seed of the list that lies well on the visible side.
void fill_from_seeds(const SeedPoint* seeds, uint32_t colour, int32_t border) {
    set_draw_color(colour);
    for (const SeedPoint* s = seeds; s->lat != 0; ++s) {
        g_globe.lat = s->lat;
        g_globe.lon = s->lon;
        project_globe_point();
        int32_t x = g_globe.x;
        int32_t y = g_globe.y;
        if (x * x + y * y >= 62500) continue;  // too close to the rim to find its land
        scale_globe_to_screen(&x, &y);
        if (g_globe.depth > 5 && read_screen_pixel(x, y) == 0) flood_fill(x, y, border);
    }
}

}  // namespace

void draw_globe_coastlines() {
    set_draw_color(15);
    globe_set_view_latitude();
    for (const Coastline* c = g_coastlines; c->count != 0; ++c) {
        int32_t x = 0;
        int32_t y = 0;
        project_to_screen(c->points[0].lat, c->points[0].lon, &x, &y);
        draw_move_to(x, y);
        bool hidden = g_globe.depth < 0;
        for (int32_t i = 1; i < c->count; ++i) {
            project_to_screen(c->points[i].lat, c->points[i].lon, &x, &y);
            if (g_globe.depth >= 0) {
                draw_line_to(x, y);
                hidden = false;
            } else if (hidden) {
                draw_move_to(x, y);
            } else {
                draw_line_to(x, y);
                hidden = true;
            }
        }
    }
}

void fill_globe_land() {
    int32_t border = g_graphics_mode == 1 ? 15 : 3;
    fill_from_seeds(g_land_seeds, 10, border);
    fill_from_seeds(g_ice_seeds, 15, border);
}

void draw_globe_ship_route(int32_t r) {
    if (r <= 0 || r > ROUTE_COUNT) return;
    const Route& route = g_route_table[r];
    set_draw_color(10);
    const PortInfo& a = g_port_table[route.port_a];
    const PortInfo& b = g_port_table[route.port_b];
    int32_t x = 0;
    int32_t y = 0;
    project_to_screen(a.lat, a.lon, &x, &y);
    draw_move_to(x, y);
    bool hidden = g_globe.depth < 5;
    const Waypoint* w = route.waypoints;
    for (bool last = false; !last;) {
        if (w != nullptr && (w->lon != 0 || w->lat != 0)) {
            project_to_screen(w->lat, w->lon, &x, &y);
            ++w;
        } else {
            project_to_screen(b.lat, b.lon, &x, &y);
            last = true;
        }
        if (g_globe.depth < 11) {
            draw_move_to(x, y);
            hidden = true;
        } else if (hidden) {
            draw_move_to(x, y);
            hidden = false;
        } else {
            draw_line_to(x, y);
        }
    }
}
