// The 28 port views, each a harbour scene recognisable for its port (skyline, landmarks, climate),
// and the three pictures that hold them in a 3 x 3 grid of 92 x 66 cells.
#include <memory>

#include "assets/art_voyage_harbour.h"

namespace {

PortCanvas begin(PictureImage* canvas, int32_t port, int32_t water_y, PortSky sky) {
    PortCanvas c{canvas, water_y, 1000u + static_cast<uint32_t>(port) * 7919u};
    paint_rect(canvas, 0, 0, PORT_VIEW_W - 1, PORT_VIEW_H - 1, HB_SEA + 6);
    port_sky(&c, sky);
    return c;
}

void finish_water(PortCanvas* c, bool icy = false, bool muddy = false) {
    port_water(c, icy, muddy);
    port_reflect(c);
}

void london(PictureImage* k) {
    PortCanvas c = begin(k, 1, 50, SKY_GREY);
    port_clouds(&c, 6, 20, true);
    port_skyline(&c, 0, 91, 44, 6, 14, HB_BRICK, 7, 11);
    port_tower(&c, 70, 44, 5, 30, HB_SAND, 10, true, true);  // the clock tower
    port_block(&c, 58, 69, 32, 44, HB_SAND, 9);
    // the bascule bridge: two towers with pinnacles and the high walkway
    for (int32_t x : {14, 38}) {
        port_tower(&c, x, 46, 7, 24, HB_STONE, 11, false, false);
        for (int32_t p = 0; p < 7; p += 3) paint_rect(k, x + p, 20, x + p, 21, HB_STONE + 9);
    }
    paint_rect(k, 21, 24, 37, 25, HB_NAVY + 10);
    paint_rect(k, 0, 40, 91, 41, HB_NAVY + 8);
    paint_rect(k, 21, 39, 37, 39, HB_NAVY + 12);
    port_quay(&c, 0, 91, 4, false);
    port_quay(&c, 46, 91, 6, false);
    finish_water(&c);
    port_ship(&c, 56, 30, 5, HB_NAVY + 3);
}

void rotterdam(PictureImage* k) {
    PortCanvas c = begin(k, 2, 49, SKY_DAY);
    port_clouds(&c, 4, 16, false);
    port_skyline(&c, 30, 91, 42, 8, 24, HB_NAVY, 9, 22);
    port_block(&c, 60, 67, 12, 42, HB_SKY, 5);
    // the white cable-stayed bridge with its bent pylon
    paint_line(k, 10, 40, 18, 10, HB_SNOW + 15);
    paint_line(k, 11, 40, 19, 10, HB_SNOW + 12);
    for (int32_t t = 0; t < 6; ++t) {
        paint_line(k, 18, 12 + t * 2, 0 + t * 2, 40, HB_SNOW + 11);
        paint_line(k, 18, 12 + t * 2, 26 + t * 3, 40, HB_SNOW + 11);
    }
    paint_rect(k, 0, 40, 50, 41, HB_SNOW + 13);
    port_land(&c, 44, HB_STONE, 9);
    port_gantry(&c, 48, 45, 18);
    port_gantry(&c, 74, 45, 18);
    for (int32_t x = 40; x < 92; x += 6) paint_rect(k, x, 42, x + 4, 44, HB_RED + 6 + (x / 6) % 3 * 3);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 44, 46, 1, HB_NAVY + 2);
}

void hamburg(PictureImage* k) {
    PortCanvas c = begin(k, 3, 50, SKY_GREY);
    port_clouds(&c, 7, 22, true);
    port_skyline(&c, 0, 91, 40, 4, 9, HB_BRICK, 5, 33);
    port_tower(&c, 20, 40, 5, 22, HB_BRICK, 6, false, false);
    port_tower(&c, 20, 18, 5, 8, HB_GREEN, 9, true, false);  // copper spire
    port_tower(&c, 62, 40, 4, 18, HB_BRICK, 7, false, false);
    port_tower(&c, 62, 22, 4, 8, HB_GREEN, 10, true, false);
    // red-brick warehouses with gables on the water
    for (int32_t x = 0; x < 50; x += 12) {
        port_block(&c, x, x + 10, 36, 47, HB_BRICK, 8);
        for (int32_t g = 0; g < 3; ++g) paint_rect(k, x + 3 + g, 33 + g, x + 7 - g, 35, HB_BRICK + 9);
    }
    port_crane(&c, 60, 46, 22, true);
    port_crane(&c, 78, 46, 20, false);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 52, 36, 3, HB_NIGHT + 3);
}

void marseilles(PictureImage* k) {
    PortCanvas c = begin(k, 4, 50, SKY_DAY);
    const PaintPoint hill[] = {{0, 40}, {20, 34}, {40, 22}, {55, 20}, {70, 30}, {91, 38}};
    port_mountains(&c, hill, 6, 49, HB_SAND, 10, 0);
    port_tower(&c, 46, 20, 5, 9, HB_SAND, 13, false, false);  // the hilltop basilica
    port_dome(&c, 44, 12, 9, 4, HB_SAND, HB_BRASS);
    VoyageNoise n{404u};
    for (int32_t i = 0; i < 40; ++i) {
        int32_t x = voyage_noise_range(&n, 0, 88);
        int32_t y = voyage_noise_range(&n, 32, 45);
        paint_rect(k, x, y, x + 3, y + 2, HB_SAND + 13);
        paint_rect(k, x, y - 1, x + 3, y - 1, HB_BRICK + 9);
        paint_pixel(k, x + 1, y + 1, HB_NIGHT + 4);
    }
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    for (int32_t x = 6; x < 90; x += 9) {  // fishing boats in the Old Port
        paint_rect(k, x, 50, x + 6, 51, x % 2 ? HB_SNOW + 13 : HB_SKY + 6);
        paint_line(k, x + 3, 50, x + 3, 41, HB_STONE + 12);
    }
}

void piraeus(PictureImage* k) {
    PortCanvas c = begin(k, 5, 51, SKY_TROPIC);
    const PaintPoint hill[] = {{0, 36}, {14, 28}, {30, 18}, {48, 18}, {60, 30}, {91, 36}};
    port_mountains(&c, hill, 6, 50, HB_SAND, 9, 0);
    port_temple(&c, 30, 18, 17, 7);
    VoyageNoise n{505u};
    for (int32_t i = 0; i < 55; ++i) {
        int32_t x = voyage_noise_range(&n, 0, 88);
        int32_t y = voyage_noise_range(&n, 30, 47);
        paint_rect(k, x, y, x + 3, y + 2, HB_SNOW + 14);
        paint_rect(k, x + 3, y, x + 3, y + 2, HB_SNOW + 9);
        paint_pixel(k, x + 1, y + 1, HB_SKY + 4);
    }
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 14, 52, 2, HB_SNOW + 10);  // a white ferry
}

void cape_town(PictureImage* k) {
    PortCanvas c = begin(k, 6, 50, SKY_DAY);
    // Table Mountain: a long flat top between steep flanks, Lion's Head on the right
    const PaintPoint table[] = {{0, 30},  {10, 14}, {16, 10}, {60, 10}, {66, 18},
                                {72, 24}, {80, 14}, {84, 16}, {91, 32}};
    port_mountains(&c, table, 9, 46, HB_STONE, 9, 0);
    paint_rect(k, 16, 9, 60, 9, HB_SNOW + 13);  // the cloud table cloth
    paint_rect(k, 20, 8, 54, 8, HB_SNOW + 15);
    port_skyline(&c, 0, 91, 44, 3, 9, HB_SAND, 12, 66);
    port_block(&c, 30, 36, 30, 44, HB_STONE, 12);
    port_land(&c, 45, HB_GREEN, 8);
    port_crane(&c, 70, 47, 16, false);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 10, 40, 4, HB_RED + 5);
}

void lagos(PictureImage* k) {
    PortCanvas c = begin(k, 7, 50, SKY_TROPIC);
    port_clouds(&c, 5, 18, false);
    port_skyline(&c, 20, 80, 44, 6, 20, HB_STONE, 10, 77);
    port_block(&c, 44, 50, 16, 44, HB_SKY, 7);
    port_land(&c, 44, HB_GREEN, 7);
    for (int32_t x = 2; x < 92; x += 11) port_palm(&c, x, 47, 14 + x % 5, x % 2);
    port_quay(&c, 30, 91, 3, true);
    finish_water(&c, false, true);
    for (int32_t x = 4; x < 40; x += 12) {  // long canoes
        paint_rect(k, x, 55, x + 9, 56, HB_WOOD + 6);
        paint_pixel(k, x + 4, 54, HB_RED + 9);
    }
}

void jebel_dhanna(PictureImage* k) {
    PortCanvas c = begin(k, 8, 50, SKY_HAZE);
    port_sun(&c, 72, 12, 4, false);
    port_land(&c, 38, HB_SAND, 13);
    const PaintPoint dunes[] = {{0, 40}, {20, 36}, {40, 39}, {62, 35}, {91, 39}};
    port_mountains(&c, dunes, 5, 44, HB_SAND, 12, 0);
    port_tanks(&c, 4, 45, 4, 9);
    port_chimney(&c, 52, 45, 18, true);
    paint_line(k, 56, 43, 90, 43, HB_STONE + 7);  // pipeline to the jetty
    paint_line(k, 56, 44, 90, 44, HB_STONE + 5);
    port_quay(&c, 60, 91, 2, false);
    finish_water(&c);
    ShipSideColours tanker{HB_RED + 3,  HB_RED + 2,   HB_SNOW + 11, HB_STONE + 4,
                           HB_RED + 10, HB_NIGHT + 3, HB_STONE + 6, HB_RED + 6};
    voyage_ship_side(k, 30, 35, 58, 18, 14, 3, tanker);
}

void hong_kong(PictureImage* k) {
    PortCanvas c = begin(k, 10, 50, SKY_DUSK);
    const PaintPoint peaks[] = {{0, 16}, {14, 8}, {30, 14}, {46, 6}, {64, 16}, {80, 10}, {91, 18}};
    port_mountains(&c, peaks, 7, 44, HB_NIGHT, 5, 0);
    port_skyline(&c, 0, 91, 46, 10, 30, HB_NIGHT, 7, 101);
    port_tower(&c, 36, 46, 5, 38, HB_NAVY, 9, true, false);
    port_block(&c, 56, 62, 14, 46, HB_NAVY, 8);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    // a junk with ribbed red sails
    paint_rect(k, 14, 51, 34, 53, HB_WOOD + 4);
    paint_rect(k, 12, 50, 16, 51, HB_WOOD + 5);
    for (int32_t s = 0; s < 2; ++s) {
        int32_t x = 19 + s * 9;
        PaintPoint sail[4] = {{x, 50}, {x - 4, 36 + s * 3}, {x + 5, 34 + s * 3}, {x + 6, 50}};
        paint_polygon(k, sail, 4, HB_RED + 8);
        for (int32_t y = 38 + s * 3; y < 50; y += 3) paint_line(k, x - 3, y, x + 6, y - 1, HB_RED + 4);
    }
}

void new_york(PictureImage* k) {
    PortCanvas c = begin(k, 9, 50, SKY_DAY);
    port_clouds(&c, 3, 12, false);
    port_skyline(&c, 24, 91, 46, 12, 30, HB_STONE, 9, 909);
    port_tower(&c, 50, 46, 6, 40, HB_STONE, 12, true, false);  // the tallest spire
    port_tower(&c, 66, 46, 5, 36, HB_SKY, 6, false, false);
    port_tower(&c, 72, 46, 5, 36, HB_SKY, 7, false, false);
    port_tower(&c, 38, 46, 5, 30, HB_SAND, 10, true, false);
    port_land(&c, 46, HB_STONE, 6);
    port_quay(&c, 24, 91, 2, false);
    // the statue on its island
    paint_ellipse(k, 10, 50, 10, 2, HB_GREEN + 6);
    port_statue(&c, 10, 48, 22);
    finish_water(&c);
}

void san_francisco(PictureImage* k) {
    PortCanvas c = begin(k, 11, 50, SKY_DAY);
    const PaintPoint hills[] = {{0, 38}, {20, 30}, {40, 36}, {60, 32}, {91, 40}};
    port_mountains(&c, hills, 5, 49, HB_GREEN, 8, 0);
    // fog rolling in under the bridge
    for (int32_t x = 0; x < 92; x += 3) paint_ellipse(k, x, 33 + (x * 7) % 3, 4, 2, HB_SNOW + 13);
    port_suspension_bridge(&c, 0, 91, 36, 24, HB_RED, 9);
    port_skyline(&c, 60, 91, 48, 3, 8, HB_SNOW, 11, 111);
    port_quay(&c, 56, 91, 2, false);
    finish_water(&c);
    port_ship(&c, 8, 38, 6, HB_NIGHT + 4);
}

void rio(PictureImage* k) {
    PortCanvas c = begin(k, 12, 50, SKY_TROPIC);
    const PaintPoint loaf[] = {{0, 40},  {8, 34},  {14, 20}, {20, 14}, {26, 18},
                               {30, 34}, {36, 38}, {44, 32}, {48, 36}, {56, 40}};
    port_mountains(&c, loaf, 10, 49, HB_GREEN, 7, 0);
    const PaintPoint corcovado[] = {{56, 40}, {68, 18}, {72, 12}, {76, 18}, {91, 34}};
    port_mountains(&c, corcovado, 5, 49, HB_GREEN, 6, 0);
    port_statue(&c, 72, 12, 8);
    paint_line(k, 20, 14, 44, 32, HB_NIGHT + 2);  // cable car
    port_land(&c, 46, HB_SAND, 14);
    for (int32_t x = 4; x < 92; x += 14) port_palm(&c, x, 47, 10, x % 3 == 0);
    port_skyline(&c, 58, 91, 45, 4, 10, HB_SNOW, 12, 121);
    finish_water(&c);
    port_ship(&c, 30, 40, 2, HB_NAVY + 3);
}

void sydney(PictureImage* k) {
    PortCanvas c = begin(k, 13, 50, SKY_TROPIC);
    port_clouds(&c, 3, 14, false);
    port_skyline(&c, 30, 91, 40, 8, 22, HB_SKY, 8, 131);
    port_arch_bridge(&c, 38, 88, 36, 20);
    port_land(&c, 44, HB_GREEN, 8);
    port_sails(&c, 6, 48, 22);
    port_quay(&c, 0, 34, 2, false);
    finish_water(&c);
}

void tokyo(PictureImage* k) {
    PortCanvas c = begin(k, 14, 50, SKY_HAZE);
    const PaintPoint fuji[] = {{0, 40}, {18, 30}, {32, 14}, {38, 13}, {52, 28}, {70, 40}, {91, 42}};
    port_mountains(&c, fuji, 7, 44, HB_SKY, 8, 20);
    port_skyline(&c, 40, 91, 46, 8, 22, HB_STONE, 10, 141);
    // the red and white lattice tower
    for (int32_t y = 6; y < 46; ++y) {
        int32_t half = 1 + (y - 6) * 5 / 40;
        paint_pixel(k, 62 - half, y, ((y / 5) % 2) ? HB_RED + 9 : HB_SNOW + 14);
        paint_pixel(k, 62 + half, y, ((y / 5) % 2) ? HB_RED + 7 : HB_SNOW + 11);
        if (y % 4 == 0) paint_line(k, 62 - half, y, 62 + half, y, HB_RED + 6);
    }
    port_pagoda(&c, 10, 47, 13, 4);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 36, 30, 3, HB_RED + 4);
}

void vancouver(PictureImage* k) {
    PortCanvas c = begin(k, 15, 50, SKY_DAY);
    const PaintPoint range[] = {{0, 20}, {12, 8}, {24, 18}, {40, 6}, {56, 16}, {72, 4}, {91, 18}};
    port_mountains(&c, range, 7, 40, HB_SKY, 6, 14);
    port_skyline(&c, 30, 80, 44, 10, 24, HB_SKY, 9, 151);
    port_land(&c, 42, HB_GREEN, 5);
    for (int32_t x = 0; x < 30; x += 5) port_tree(&c, x, 47, 3 + x % 2, true);
    for (int32_t x = 82; x < 92; x += 5) port_tree(&c, x, 47, 4, true);
    port_quay(&c, 30, 82, 3, false);
    finish_water(&c);
    port_ship(&c, 40, 40, 2, HB_NAVY + 2);
}

void lima(PictureImage* k) {
    PortCanvas c = begin(k, 16, 50, SKY_GREY);
    const PaintPoint desert[] = {{0, 24}, {18, 16}, {34, 24}, {56, 14}, {74, 22}, {91, 18}};
    port_mountains(&c, desert, 6, 44, HB_SAND, 8, 0);
    port_skyline(&c, 0, 91, 44, 3, 7, HB_SAND, 11, 161);
    port_tower(&c, 40, 44, 4, 14, HB_SAND, 13, false, false);  // cathedral towers
    port_tower(&c, 50, 44, 4, 14, HB_SAND, 13, false, false);
    port_dome(&c, 44, 36, 6, 4, HB_SAND, HB_SAND);
    port_crane(&c, 70, 47, 16, false);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 6, 36, 7, HB_STONE + 3);
}

void buenos_aires(PictureImage* k) {
    PortCanvas c = begin(k, 17, 50, SKY_DAY);
    port_clouds(&c, 5, 16, false);
    port_skyline(&c, 0, 91, 46, 6, 16, HB_SAND, 10, 171);
    // the white obelisk
    for (int32_t y = 14; y < 46; ++y) {
        int32_t half = 1 + (y - 14) / 14;
        paint_rect(k, 46 - half, y, 46 + half, y, HB_SNOW + 14);
        paint_pixel(k, 46 + half, y, HB_SNOW + 9);
    }
    paint_pixel(k, 46, 13, HB_SNOW + 12);
    port_crane(&c, 14, 47, 18, true);
    port_crane(&c, 78, 47, 18, false);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c, false, true);
    port_ship(&c, 20, 40, 4, HB_NIGHT + 3);
}

void point_hope(PictureImage* k) {
    PortCanvas c = begin(k, 18, 44, SKY_ARCTIC);
    port_clouds(&c, 4, 14, false);
    port_land(&c, 36, HB_SNOW, 14);
    const PaintPoint ridge[] = {{0, 34}, {30, 30}, {60, 33}, {91, 28}};
    port_mountains(&c, ridge, 4, 40, HB_SNOW, 12, 0);
    port_hut(&c, 10, 41, 8, 4, HB_RED);
    port_hut(&c, 24, 41, 7, 4, HB_WOOD);
    port_hut(&c, 36, 40, 8, 4, HB_SKY);
    port_flag(&c, 50, 41, 10, HB_RED + 9, HB_SNOW + 15);
    port_quay(&c, 0, 40, 1, true);
    finish_water(&c, true, false);
    port_iceberg(&c, 56, 26, 14);
    port_iceberg(&c, 6, 10, 5);
}

void basrah(PictureImage* k) {
    PortCanvas c = begin(k, 19, 50, SKY_HAZE);
    port_sun(&c, 16, 10, 4, false);
    port_land(&c, 40, HB_SAND, 11);
    port_skyline(&c, 30, 80, 44, 3, 8, HB_SAND, 12, 191);
    port_dome(&c, 50, 44, 12, 8, HB_SAND, HB_SKY);
    port_minaret(&c, 64, 44, 22, HB_SAND);
    for (int32_t x = 2; x < 30; x += 7) port_palm(&c, x, 47, 14 + x % 4, x % 2);
    for (int32_t x = 82; x < 92; x += 6) port_palm(&c, x, 47, 12, true);
    port_quay(&c, 30, 91, 2, true);
    finish_water(&c, false, true);
    port_dhow(&c, 8, 20);
}

void pearl_harbor(PictureImage* k) {
    PortCanvas c = begin(k, 20, 50, SKY_TROPIC);
    port_clouds(&c, 6, 16, false);
    const PaintPoint hills[] = {{0, 30}, {20, 16}, {40, 24}, {60, 14}, {80, 22}, {91, 28}};
    port_mountains(&c, hills, 6, 46, HB_GREEN, 8, 0);
    port_land(&c, 44, HB_GREEN, 9);
    for (int32_t x = 60; x < 92; x += 8) port_palm(&c, x, 47, 12, x % 2);
    paint_rect(k, 34, 47, 52, 49, HB_SNOW + 14);  // the white memorial
    paint_rect(k, 36, 46, 50, 46, HB_SNOW + 12);
    finish_water(&c);
    port_warship(&c, 2, 30);
    port_warship(&c, 56, 34);
}

void monrovia(PictureImage* k) {
    PortCanvas c = begin(k, 21, 50, SKY_TROPIC);
    port_clouds(&c, 8, 20, false);
    const PaintPoint hills[] = {{0, 30}, {40, 26}, {91, 32}};
    port_mountains(&c, hills, 3, 44, HB_GREEN, 6, 0);
    for (int32_t x = 22; x < 80; x += 9) port_hut(&c, x, 44, 7, 5, HB_STONE);
    port_block(&c, 46, 56, 30, 44, HB_SNOW, 12);
    port_land(&c, 44, HB_GREEN, 7);
    for (int32_t x = 0; x < 92; x += 6) port_palm(&c, x, 46 + x % 3, 9 + x % 7, x % 4 == 0);
    port_quay(&c, 50, 91, 3, false);
    finish_water(&c, false, true);
    port_ship(&c, 54, 34, 7, HB_RED + 3);
}

void panama(PictureImage* k) {
    PortCanvas c = begin(k, 22, 50, SKY_TROPIC);
    port_clouds(&c, 5, 14, false);
    const PaintPoint hills[] = {{0, 28}, {24, 20}, {50, 28}, {70, 22}, {91, 30}};
    port_mountains(&c, hills, 5, 42, HB_GREEN, 7, 0);
    // the locks: concrete walls in steps with mitre gates
    paint_rect(k, 0, 38, 91, 44, HB_STONE + 10);
    paint_rect(k, 0, 38, 91, 38, HB_STONE + 13);
    for (int32_t x = 10; x < 92; x += 26) {
        paint_rect(k, x, 36, x + 2, 44, HB_STONE + 6);
        paint_rect(k, x - 1, 35, x + 3, 35, HB_BRASS + 10);
    }
    port_land(&c, 45, HB_STONE, 8);
    port_quay(&c, 0, 91, 4, false);
    finish_water(&c);
    port_ship(&c, 24, 46, 2, HB_NIGHT + 4);
    paint_rect(k, 76, 44, 82, 47, HB_RED + 8);  // a locomotive mule
    paint_rect(k, 77, 43, 80, 43, HB_SNOW + 13);
}

void singapore(PictureImage* k) {
    PortCanvas c = begin(k, 23, 50, SKY_DUSK);
    port_sun(&c, 20, 30, 5, true);
    port_skyline(&c, 30, 91, 44, 10, 28, HB_NAVY, 8, 231);
    // three towers carrying a deck
    for (int32_t t = 0; t < 3; ++t) port_block(&c, 48 + t * 8, 52 + t * 8, 12, 44, HB_NIGHT, 10);
    paint_rect(k, 46, 10, 74, 11, HB_NIGHT + 12);
    port_land(&c, 44, HB_NIGHT, 6);
    port_gantry(&c, 12, 46, 20);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 20, 42, 1, HB_NAVY + 2);
}

void dar_es_salaam(PictureImage* k) {
    PortCanvas c = begin(k, 24, 50, SKY_TROPIC);
    port_clouds(&c, 4, 14, false);
    port_land(&c, 42, HB_GREEN, 8);
    port_skyline(&c, 30, 70, 44, 4, 9, HB_SNOW, 12, 241);
    port_tower(&c, 48, 44, 5, 20, HB_SNOW, 14, true, false);  // the white church
    for (int32_t x = 0; x < 92; x += 10) port_palm(&c, x, 46, 11 + x % 6, x % 3 == 1);
    port_quay(&c, 70, 91, 2, true);
    finish_water(&c);
    port_dhow(&c, 10, 22);
    port_dhow(&c, 50, 16);
}

void alexandria(PictureImage* k) {
    PortCanvas c = begin(k, 25, 50, SKY_HAZE);
    port_skyline(&c, 0, 91, 44, 4, 12, HB_SAND, 12, 251);
    // the harbour fort with its square keep
    paint_rect(k, 56, 32, 86, 46, HB_SAND + 11);
    for (int32_t x = 56; x < 87; x += 3) paint_rect(k, x, 31, x + 1, 31, HB_SAND + 11);
    port_tower(&c, 66, 46, 10, 20, HB_SAND, 13, false, false);
    port_minaret(&c, 70, 26, 8, HB_SAND);
    port_minaret(&c, 20, 44, 20, HB_SAND);
    port_dome(&c, 26, 44, 10, 7, HB_SAND, HB_STONE);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_dhow(&c, 30, 16);
}

void karachi(PictureImage* k) {
    PortCanvas c = begin(k, 26, 50, SKY_HAZE);
    port_sun(&c, 76, 14, 3, false);
    port_skyline(&c, 0, 91, 44, 4, 14, HB_SAND, 10, 261);
    port_dome(&c, 8, 44, 14, 10, HB_SNOW, HB_SNOW);
    port_minaret(&c, 4, 44, 22, HB_SNOW);
    port_minaret(&c, 24, 44, 22, HB_SNOW);
    port_crane(&c, 56, 47, 20, true);
    port_crane(&c, 76, 47, 20, true);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    port_ship(&c, 40, 40, 5, HB_BRICK + 4);
}

void calcutta(PictureImage* k) {
    PortCanvas c = begin(k, 27, 50, SKY_HAZE);
    port_clouds(&c, 3, 12, false);
    port_skyline(&c, 0, 91, 40, 4, 10, HB_BRICK, 9, 271);
    port_cantilever_bridge(&c, 0, 91, 36, 18);
    port_temple(&c, 70, 46, 14, 6);
    port_land(&c, 44, HB_SAND, 9);
    finish_water(&c, false, true);
    port_dhow(&c, 12, 14);
    port_ship(&c, 36, 30, 6, HB_NIGHT + 4);
}

void houston(PictureImage* k) {
    PortCanvas c = begin(k, 28, 50, SKY_DAY);
    port_clouds(&c, 4, 12, false);
    port_skyline(&c, 40, 91, 36, 12, 26, HB_SKY, 8, 281);
    port_land(&c, 36, HB_STONE, 9);
    port_tanks(&c, 2, 46, 4, 8);
    port_chimney(&c, 42, 46, 22, true);
    port_chimney(&c, 48, 46, 16, false);
    for (int32_t y = 36; y < 46; y += 3) paint_line(k, 40, y, 60, y, HB_STONE + 5);  // refinery pipework
    for (int32_t x = 40; x <= 60; x += 4) paint_line(k, x, 34, x, 46, HB_STONE + 6);
    port_quay(&c, 0, 91, 3, false);
    finish_water(&c);
    ShipSideColours tanker{HB_NIGHT + 3, HB_RED + 3,   HB_SNOW + 11, HB_RED + 8,
                           HB_NIGHT + 1, HB_NIGHT + 4, HB_STONE + 6, HB_RED + 6};
    voyage_ship_side(k, 56, 35, 34, 18, 14, 3, tanker);
}

using PortPainter = void (*)(PictureImage*);

PortPainter port_painter(int32_t port) {
    static const PortPainter painters[29] = {
        nullptr,       london,       rotterdam,  hamburg,       marseilles,   piraeus,  cape_town, lagos,
        jebel_dhanna,  new_york,     hong_kong,  san_francisco, rio,          sydney,   tokyo,     vancouver,
        lima,          buenos_aires, point_hope, basrah,        pearl_harbor, monrovia, panama,    singapore,
        dar_es_salaam, alexandria,   karachi,    calcutta,      houston,
    };
    return port >= 1 && port <= 28 ? painters[port] : nullptr;
}

// The nine ports of a picture in cell order (column, row): cell k has column k % 3, row k / 3.
void paint_port_grid(PictureImage* image, const int32_t (&ports)[9], PictureImage* canvas) {
    for (int32_t k = 0; k < 9; ++k) {
        paint_port_view(canvas, ports[k]);
        int32_t col = k % 3, row = k / 3;
        voyage_copy(image, 93 * col, 134 - 67 * row, canvas, 0, 0, PORT_VIEW_W, PORT_VIEW_H);
    }
}

}  // namespace

void paint_port_view(PictureImage* canvas, int32_t port) {
    PortPainter p = port_painter(port);
    if (p) p(canvas);
}

void paint_port_views(PictureImage* views14, PictureImage* views15, PictureImage* views16) {
    auto canvas = std::make_unique<PictureImage>();
    harbour_palette(canvas.get());
    for (PictureImage* v : {views14, views15, views16}) {
        harbour_palette(v);
        paint_clear(v, HB_NAVY + 2);
    }
    // ports 1..8 and 10 in picture 14 (port 10 in the last cell), 11..19 in 15, 20..28 in 16
    paint_port_grid(views14, {1, 2, 3, 4, 5, 6, 7, 8, 10}, canvas.get());
    paint_port_grid(views15, {11, 12, 13, 14, 15, 16, 17, 18, 19}, canvas.get());
    paint_port_grid(views16, {20, 21, 22, 23, 24, 25, 26, 27, 28}, canvas.get());
}
