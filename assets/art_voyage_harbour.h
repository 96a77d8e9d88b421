// The harbour pictures (port views 14, 15, 16 and the harbour sheet 36) share one palette, since the
// views are shown with the sheet's colours. Here: its colour blocks and the little scene painter
// the 28 port views are built with.
#pragma once

#include <cstdint>

#include "assets/art_voyage.h"
#include "business/harbour_layout.h"

// 16-step ramps, dark to light, each aligned on 16 so that an inverted area (XOR 15) shows the same
// ramp reversed.
constexpr int32_t HB_SKY = 32;
constexpr int32_t HB_SEA = 48;
constexpr int32_t HB_WARM = 64;  // dusk and sunlit walls: deep orange to pale yellow
constexpr int32_t HB_STONE = 80;
constexpr int32_t HB_BRICK = 96;
constexpr int32_t HB_SAND = 112;
constexpr int32_t HB_GREEN = 128;
constexpr int32_t HB_WOOD = 144;
constexpr int32_t HB_SNOW = 160;
constexpr int32_t HB_PAPER = 176;  // ink brown to cream: the report paper and the menu plates
constexpr int32_t HB_BRASS = 192;
constexpr int32_t HB_NAVY = 208;
constexpr int32_t HB_RED = 224;
constexpr int32_t HB_NIGHT = 240;

void harbour_palette(PictureImage* image);

// The size of one port view: PORT_VIEW_W x PORT_VIEW_H (business/harbour_layout.h).

// Sky of a view.
enum PortSky : int32_t { SKY_DAY, SKY_HAZE, SKY_DUSK, SKY_GREY, SKY_ARCTIC, SKY_TROPIC };

// Scene elements, painted into a 92 x 66 view whose top-left is (0, 0) of the canvas (the canvas
// is a whole scratch picture; the view is copied out of it afterwards). `base` is the y of the
// ground or water line an element stands on.
struct PortCanvas {
    PictureImage* image;
    int32_t water_y;  // first row of the harbour water
    uint32_t seed;
};

void port_sky(PortCanvas* c, PortSky sky);
void port_sun(PortCanvas* c, int32_t x, int32_t y, int32_t r, bool low);
void port_clouds(PortCanvas* c, int32_t count, int32_t max_y, bool dark);
// A mountain range: peaks as (x, y) pairs between the left and right edges, in ramp `ramp`
// (tone 0..15 of the lit side), optionally snow-capped above snow_y.
void port_mountains(PortCanvas* c, const PaintPoint* peaks, int32_t count, int32_t base, int32_t ramp,
                    int32_t tone, int32_t snow_y);
// A block of buildings with lit windows.
void port_block(PortCanvas* c, int32_t x0, int32_t x1, int32_t top, int32_t base, int32_t ramp, int32_t tone);
// A row of varied buildings between x0 and x1 of heights min_h..max_h.
void port_skyline(PortCanvas* c, int32_t x0, int32_t x1, int32_t base, int32_t min_h, int32_t max_h,
                  int32_t ramp, int32_t tone, uint32_t seed);
void port_tower(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h, int32_t ramp, int32_t tone,
                bool spire, bool clock);
void port_dome(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h, int32_t ramp, int32_t dome_ramp);
void port_minaret(PortCanvas* c, int32_t x, int32_t base, int32_t h, int32_t ramp);
void port_pagoda(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t tiers);
void port_temple(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h);  // columns and a pediment
void port_palm(PortCanvas* c, int32_t x, int32_t base, int32_t h, bool lean_left);
void port_tree(PortCanvas* c, int32_t x, int32_t base, int32_t r, bool conifer);
void port_tanks(PortCanvas* c, int32_t x, int32_t base, int32_t count, int32_t w);
void port_chimney(PortCanvas* c, int32_t x, int32_t base, int32_t h, bool flame);
void port_crane(PortCanvas* c, int32_t x, int32_t base, int32_t h, bool to_right);
void port_gantry(PortCanvas* c, int32_t x, int32_t base, int32_t h);
void port_lighthouse(PortCanvas* c, int32_t x, int32_t base, int32_t h);
void port_hut(PortCanvas* c, int32_t x, int32_t base, int32_t w, int32_t h, int32_t roof_ramp);
void port_shed(PortCanvas* c, int32_t x0, int32_t x1, int32_t base, int32_t h, int32_t ramp);
// Suspension bridge between x0 and x1 with towers of the given height over the deck at deck_y.
void port_suspension_bridge(PortCanvas* c, int32_t x0, int32_t x1, int32_t deck_y, int32_t tower_h,
                            int32_t ramp, int32_t tone);
void port_arch_bridge(PortCanvas* c, int32_t x0, int32_t x1, int32_t deck_y, int32_t arch_h);
void port_cantilever_bridge(PortCanvas* c, int32_t x0, int32_t x1, int32_t deck_y, int32_t h);
void port_sails(PortCanvas* c, int32_t x, int32_t base, int32_t w);   // white shell roofs
void port_statue(PortCanvas* c, int32_t x, int32_t base, int32_t h);  // a torch-bearing statue
void port_ship(PortCanvas* c, int32_t x, int32_t w, int32_t model, int32_t hull_ramp);
void port_dhow(PortCanvas* c, int32_t x, int32_t w);
void port_warship(PortCanvas* c, int32_t x, int32_t w);
void port_iceberg(PortCanvas* c, int32_t x, int32_t w, int32_t h);
void port_flag(PortCanvas* c, int32_t x, int32_t base, int32_t h, int32_t colour_a, int32_t colour_b);
// Quay along the water line from x0 to x1 (height rows above it), in stone or wood.
void port_quay(PortCanvas* c, int32_t x0, int32_t x1, int32_t h, bool wooden);
// Land strip behind the quay, rows from top to the water line.
void port_land(PortCanvas* c, int32_t top, int32_t ramp, int32_t tone);
// Harbour water from the water line to the bottom, with ripples; ice fills part of it when icy.
void port_water(PortCanvas* c, bool icy, bool muddy);
// Reflections of the scene in the water under the water line (a darker, broken mirror image).
void port_reflect(PortCanvas* c);

// Paints the view of port 1..28 (9 is New York) into the canvas's top-left 92 x 66 pixels.
void paint_port_view(PictureImage* canvas, int32_t port);
// Pictures 14, 15 and 16: the 3 x 3 grids of views, with the harbour palette.
void paint_port_views(PictureImage* views14, PictureImage* views15, PictureImage* views16);
