// Shared pieces of the main group of pictures (main screen and map, letter paper, title, intro,
// set-up, load and farewell): the painter of each picture and the drawing helpers they share.
#pragma once

#include <cstdint>

#include "assets/paint.h"
#include "assets/picture_writer.h"

// One painter per picture, or per pair of pictures that are shown together and share a palette.
void paint_main_screen_pictures(PictureImage* screen, PictureImage* letter);  // 1, 37
void paint_title_picture(PictureImage* image);                                 // 9
void paint_intro_pictures(PictureImage* background, PictureImage* sprite);     // 10, 35
void paint_captains_picture(PictureImage* image);                              // 38
void paint_farewell_picture(PictureImage* image);                              // 39
void paint_chart_desk_picture(PictureImage* image);                            // 40
void paint_registry_picture(PictureImage* image);                              // 41

// The palette of the main screen and of the letter paper laid over it.
void main_screen_palette(PictureImage* image);
// The letter paper alone (picture 37), on an image that already has the main-screen palette.
void paint_letter_paper(PictureImage* image);

// Where the letter sheet's paper may be typed on, in sheet pixels (both corners included).
constexpr int32_t LETTER_WRITE_X0 = 12, LETTER_WRITE_Y0 = 6, LETTER_WRITE_X1 = 195, LETTER_WRITE_Y1 = 97;
constexpr int32_t LETTER_SHEET_W = 196, LETTER_SHEET_H = 115;
constexpr int32_t LETTER_KEY = 1;  // sheet pixels of this colour let the map show through

// Colour-index blocks of the main-screen palette.
constexpr int32_t MS_KEY = 32;
constexpr int32_t MS_SEA = 33;     // 15 steps, deep to shallow
constexpr int32_t MS_LAND = 48;    // 16 steps, lowland green to highland brown
constexpr int32_t MS_DESERT = 64;  // 16 steps
constexpr int32_t MS_ICE = 80;     // 16 steps, shadowed to white
constexpr int32_t MS_STEEL = 96;   // 16 steps, dark to light
constexpr int32_t MS_BRASS = 112;  // 16 steps
constexpr int32_t MS_WOOD = 128;   // 16 steps
constexpr int32_t MS_PAPER = 144;  // 16 steps
constexpr int32_t MS_RED = 160;    // 16 steps
constexpr int32_t MS_GREEN = 176;  // 16 steps
constexpr int32_t MS_BLUE = 192;   // 16 steps
constexpr int32_t MS_INK = 208;    // 16 steps, sepia
constexpr int32_t MS_GREY = 240;   // 16 steps

// A small deterministic noise source: the same numbers on every run.
struct MainNoise {
    uint32_t state;
};
uint32_t main_noise_next(MainNoise* noise);
// A number in lo..hi, both included.
int32_t main_noise_range(MainNoise* noise, int32_t lo, int32_t hi);
// A fixed pseudo-random value 0..255 for a position and seed (texture without state).
int32_t main_hash(int32_t x, int32_t y, uint32_t seed);
// Smooth value noise 0..255 with cells of the given size (bilinear between hashed corners).
int32_t main_smooth_noise(int32_t x, int32_t y, int32_t cell, uint32_t seed);

// Sets colours first .. first + count - 1 to a ramp between two 6-bit triples.
void main_ramp(PictureImage* image, int32_t first, int32_t count, int32_t r0, int32_t g0, int32_t b0,
               int32_t r1, int32_t g1, int32_t b1);
// Ordered-dither test: true when a fraction level/16 of the pixels at (x, y) should be set.
bool main_dither(int32_t x, int32_t y, int32_t level);
// Colour of a ramp at position pos/256 of its count steps, ordered-dithered between steps.
int32_t main_shade(int32_t x, int32_t y, int32_t first, int32_t count, int32_t pos);
// A line drawn with a round brush of the given radius (0 is a plain line).
void main_brush_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t radius,
                     int32_t colour);
// A filled disc shaded as a ball lit from the upper left with colours first .. first + count - 1.
void main_ball(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t first,
               int32_t count);
// A ring (outline of an ellipse) between radii r and r + width - 1.
void main_ring(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t width,
               int32_t colour);
// A digit 0..9 in a 3 x 5 cell scaled by scale, its top-left at (x, y).
void main_digit(PictureImage* image, int32_t x, int32_t y, int32_t digit, int32_t scale, int32_t colour);
// Every pixel of the rectangle with colour `from` becomes `to`.
void main_replace(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t from,
                  int32_t to);
// Sky with stars: a vertical gradient of first .. first + count - 1 and a few star pixels.
void main_starry_sky(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t first,
                     int32_t count, int32_t star, int32_t stars, uint32_t seed);

// The product name in shaded capitals. cell is the size of a design unit in pixels (letters are 6
// units wide and 8 high, 2 apart); the fill runs top to bottom through first .. first + count - 1,
// with an outline colour and a drop shadow colour (negative: none). Returns the width painted.
int32_t main_logo(PictureImage* image, int32_t x, int32_t y, int32_t cell, int32_t first, int32_t count,
                  int32_t outline, int32_t shadow);
int32_t main_logo_width(int32_t cell);

// A cargo ship seen from the side, bow to the right, as a silhouette of one colour, its water line
// at row y and its length w; lit windows in `light` when not negative.
void main_ship_silhouette(PictureImage* image, int32_t x, int32_t y, int32_t w, int32_t colour,
                          int32_t light);
