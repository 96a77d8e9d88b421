// Shared pieces of the voyage pictures (incidents, manoeuvring sheet, port views, harbour sheet,
// gale, radar, sinking): the painters of each picture and a few drawing helpers they have in common.
#pragma once

#include <cstdint>

#include "assets/paint.h"
#include "assets/picture_writer.h"

// One painter per picture (or per group of pictures that share a palette).
void paint_rescue_pictures(PictureImage* background, PictureImage* frames);  // 11, 12
void paint_chart_sheet(PictureImage* image);                                 // 13
// 14, 15, 16 and the harbour sheet 36, all with the harbour palette.
void paint_harbour_pictures(PictureImage* views14, PictureImage* views15, PictureImage* views16,
                            PictureImage* sheet);
void paint_epidemic_picture(PictureImage* image);                            // 17
void paint_rats_picture(PictureImage* image);                                // 18
void paint_robbery_picture(PictureImage* image);                             // 19
void paint_unused_picture(PictureImage* image);                              // 20
void paint_gale_picture(PictureImage* image);                                // 21
void paint_radar_picture(PictureImage* image);                               // 22
void paint_sinking_pictures(PictureImage* sheet, PictureImage* background);  // 23, 24

// A small deterministic noise source: the same numbers on every run.
struct VoyageNoise {
    uint32_t state;
};
uint32_t voyage_noise_next(VoyageNoise* noise);
// A number in lo..hi, both included.
int32_t voyage_noise_range(VoyageNoise* noise, int32_t lo, int32_t hi);

// Sets colours first .. first + count - 1 to a ramp between two 6-bit triples.
void voyage_ramp(PictureImage* image, int32_t first, int32_t count, int32_t r0, int32_t g0, int32_t b0,
                 int32_t r1, int32_t g1, int32_t b1);
// A line of the given thickness (a square brush of side width).
void voyage_thick_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width,
                       int32_t colour);
// A filled disc shaded as a ball lit from the upper left with colours first .. first + count - 1
// (dark to light), ordered-dithered between steps.
void voyage_ball(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t first,
                 int32_t count);
// Every pixel of the rectangle with colour `from` becomes `to`.
void voyage_replace(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t from,
                    int32_t to);
// Copies a w x h block of pixels from one picture to another (clipped).
void voyage_copy(PictureImage* to, int32_t tx, int32_t ty, const PictureImage* from, int32_t fx, int32_t fy,
                 int32_t w, int32_t h);
// Copies a w x h block, skipping source pixels of colour key.
void voyage_copy_keyed(PictureImage* to, int32_t tx, int32_t ty, const PictureImage* from, int32_t fx,
                       int32_t fy, int32_t w, int32_t h, int32_t key);
// A digit 0..9 in a 3 x 5 cell scaled by scale, its top-left at (x, y).
void voyage_digit(PictureImage* image, int32_t x, int32_t y, int32_t digit, int32_t scale, int32_t colour);
// Ordered-dither test: true when a fraction level/16 of the pixels at (x, y) should be set.
bool voyage_dither(int32_t x, int32_t y, int32_t level);

// Colours of a ship seen from the side: each a ramp base, dark to light, of the given count.
struct ShipSideColours {
    int32_t hull;        // hull ramp (4 steps)
    int32_t boot;        // antifouling below the water line (2 steps)
    int32_t deck;        // superstructure white (4 steps)
    int32_t funnel;      // funnel colour (2 steps)
    int32_t funnel_top;  // funnel band / top (1)
    int32_t window;      // window / porthole colour (1)
    int32_t gear;        // masts, cranes, rails (2 steps)
    int32_t cargo;       // containers or hatches (3 steps)
};
// Paints ship model 1..7 seen from the side, bow to the right, into the w x h box at (x, y): the
// water line at row y + lift, with four hull rows below it down to the box's last row.
void voyage_ship_side(PictureImage* image, int32_t x, int32_t y, int32_t w, int32_t h, int32_t lift,
                      int32_t model, const ShipSideColours& colours);
