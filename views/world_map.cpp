#include "views/world_map.h"

#include <cstdio>

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/random.h"
#include "engine/timing.h"
#include "views/main_screen.h"
#include "world/projection.h"
#include "world/records.h"
#include "world/weather.h"
#include "ui/fonts.h"

const int32_t g_owner_colours[4] = {1, 2, 3, 6};
int32_t g_main_screen_shown = 0;

namespace {

void line(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    draw_move_to(x0, y0);
    draw_line_to(x1, y1);
}

void project_ship(const Ship* ship) {
    g_project_lat = ship->lat;
    g_project_lon = ship->lon;
    project_flat_map_point();
}

}  // namespace

void draw_world_map() {
    // The map area of the picture wipes out the numbers and icons of the last draw.
    blit_copy_to_screen(g_background_buffer, 6, 18, 6, 18, 245, 128);
    draw_storm_areas();
    for (int32_t i = 0; i < g_shipowner_count; ++i) {
        const Shipowner& owner = g_shipowners[i];
        if (owner.out_of_game != 0) continue;
        for (const Ship* ship = owner.ships; ship != nullptr; ship = ship->next) {
            project_ship(ship);
            draw_ship_icon(g_owner_colours[i], g_project_x, g_project_y);
        }
    }
}

void redraw_world_map(int32_t) {
    draw_world_map();
}

void draw_storm_areas() {
    // The weather grid is sampled every 30 degrees, from 60 south to 60 north and from 150 west to
    // 150 east; the numbers jitter a little so that neighbouring storms do not look printed.
    for (int32_t lat = -600; lat <= 600; lat += 300) {
        for (int32_t lon = -1500; lon <= 1500; lon += 300) {
            int32_t force = weather_wind_at(lat / 10, lon / 10);
            g_project_lat = lat;
            g_project_lon = lon;
            project_flat_map_point();
            if (force < 8) continue;
            int32_t x = g_project_x + random_range(-2, 2);
            int32_t y = g_project_y + random_range(-2, 2);
            char text[16];
            std::snprintf(text, sizeof text, "%d", static_cast<int>(force));
            set_draw_color(0);
            font_draw_text(&g_font_sys8, text, x + 1, y + 1);
            set_draw_color(15);
            font_draw_text(&g_font_sys8, text, x, y);
        }
    }
}

void draw_ship_icon(int32_t colour, int32_t x, int32_t y) {
    set_draw_color(static_cast<uint32_t>(colour));
    line(x - 3, y, x + 2, y);
    line(x - 3, y + 1, x + 1, y + 1);
    draw_pixel(x - 2, y - 1);
    set_draw_color(0);
    line(x - 4, y + 2, x + 1, y + 2);
    line(x - 4, y + 1, x - 4, y);
    line(x - 4, y - 1, x - 3, y - 1);
    line(x - 3, y - 2, x - 1, y - 2);
    line(x - 1, y - 1, x + 3, y - 1);
    draw_pixel(x + 3, y);
    draw_pixel(x + 2, y + 1);
}

void show_map_with_ship(int32_t player, Shipowner*, Ship* ship) {
    if (g_main_screen_shown == 0) {
        show_main_screen();
        restore_main_screen();
        invalidate_run_button_state();
        set_run_button_state(RUN_RUNNING);
    }
    draw_world_map();
    if (ship == nullptr) return;
    project_ship(ship);
    for (int32_t i = 0; i < 8; ++i) {
        draw_ship_icon(0, g_project_x, g_project_y);
        delay_ticks(6);
        draw_ship_icon(g_owner_colours[player & 3], g_project_x, g_project_y);
        delay_ticks(6);
    }
}

void show_map_with_ship_and_leave(int32_t player, Shipowner* shipowner, Ship* ship) {
    show_map_with_ship(player, shipowner, ship);
    clear_screen();
    g_main_screen_shown = 0;
}

void clear_main_screen_flag() {
    g_main_screen_shown = 0;
}
