#include "bench/bench_world.h"

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
