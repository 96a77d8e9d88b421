#include "bench/bench_world.h"

#include <cstddef>

#include "engine/font.h"
#include "engine/picture.h"
#include "ui/fonts.h"
#include "world/sea_distance.h"
#include "world/weather.h"

bool bench_start_world() {
    static bool started = false;
    if (started) return true;
    if (font_load("sys13.fnt", &g_font_sys13) != 1 || font_load("sys7b.fnt", &g_font_sys7b) != 1 ||
        font_load("sys8b.fnt", &g_font_sys8b) != 1 || font_load("sys8.fnt", &g_font_sys8) != 1 ||
        picture_files_open("ib1vga.dat", "ib2vga.dat") != 1)
        return false;
    init_route_lengths();
    weather_reset();
    started = true;
    return true;
}

void bench_game_keep(BenchGame* game) {
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) game->owners[i] = g_shipowners[i];
    game->records.clear();
    for (const Ship* s : game->ships) game->records.push_back(*s);
    game->day = g_day;
    game->daily_phase = g_daily_phase;
}

void bench_game_restore(const BenchGame& game) {
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) g_shipowners[i] = game.owners[i];
    for (std::size_t k = 0; k < game.ships.size(); ++k) *game.ships[k] = game.records[k];
    g_day = game.day;
    g_daily_phase = game.daily_phase;
}
