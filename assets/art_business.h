// Shared pieces of the business pictures (bunkering, offices, broker, statistics, elimination,
// shipyard, ship models, crown, lift panel, information, positions, ranking): one palette of
// 16-step ramps used by all of them, the places the screens read back, and drawing helpers.
#pragma once

#include <cstdint>

#include "assets/paint.h"
#include "assets/picture_writer.h"
#include "business/office.h"
#include "business/ranking.h"
#include "business/harbour_layout.h"
#include "business/broker.h"

// A run of palette colours from dark (step 0) to light.
struct BizRamp {
    int32_t base;
    int32_t count;
};

// Colour 32 is the cut-out key (the crown is blitted with it transparent); 33..47 a blue-grey steel
// ramp whose fifth step, colour 37, is the dark edge of the sunken frame around a ship model.
constexpr int32_t BIZ_KEY = 32;
constexpr BizRamp BIZ_STEEL = {33, 15};
constexpr BizRamp BIZ_SKY = {48, 16};
constexpr BizRamp BIZ_SEA = {64, 16};
constexpr BizRamp BIZ_WOOD = {80, 16};
constexpr BizRamp BIZ_RED = {96, 16};
constexpr BizRamp BIZ_GREEN = {112, 16};
constexpr BizRamp BIZ_PAPER = {128, 16};
constexpr BizRamp BIZ_GOLD = {144, 16};
constexpr BizRamp BIZ_RUST = {160, 16};
constexpr BizRamp BIZ_TEAL = {176, 16};
constexpr BizRamp BIZ_NAVY = {192, 16};
constexpr BizRamp BIZ_STONE = {208, 16};
constexpr BizRamp BIZ_SKIN = {224, 16};
constexpr BizRamp BIZ_WINE = {240, 16};

// Pictures of this group; every one carries the same palette (the ship models are shown together
// on the broker's floors, the crown over the ranking list, and the rest share it for simplicity).
constexpr int32_t BIZ_PICTURES[] = {2,  3,  4,  5,  6,  7,  8,  25, 26, 27, 28,
                                    29, 30, 31, 32, 33, 34, 42, 43, 44, 45};

// Interface colour 31 (black) serves as a temporary marker while a shape is shaded.
constexpr int32_t BIZ_MARKER = 31;

// Rows covered by the status line or the caption at the top of most screens.
constexpr int32_t BIZ_STATUS_ROWS = 15;

// Places the screens read back from the pictures (x, y, width, height).
struct BizRect {
    int32_t x;
    int32_t y;
    int32_t w;
    int32_t h;
};
// Ship model m (1..7) is picture 26 + m, of which the top-left cut-out g_ship_model_cutouts[m] (in
// business/broker.h, the table the broker's screens copy by) is shown.
// The shipyard part of picture 26.
constexpr BizRect BIZ_REPAIR_CUTOUT = {0, 0, REPAIR_CUTOUT_W, REPAIR_CUTOUT_H};
// The crown of picture 34, on key-coloured ground.
constexpr BizRect BIZ_CROWN = {RANKING_CROWN.x, RANKING_CROWN.y, RANKING_CROWN.w, RANKING_CROWN.h};
// The status brick and the net-worth piece of picture 45, copied by the ranking list.
constexpr BizRect BIZ_RANK_BRICK = {RANKING_BRICK.x, RANKING_BRICK.y, RANKING_BRICK.w, RANKING_BRICK.h};
constexpr BizRect BIZ_RANK_PIECE = {RANKING_WORTH_PIECE.x, RANKING_WORTH_PIECE.y, RANKING_WORTH_PIECE.w,
                                    RANKING_WORTH_PIECE.h};
// The office lamp of picture 6, redrawn blinking by the office screen.
constexpr int32_t BIZ_LAMP_X = OFFICE_LAMP_X;
constexpr int32_t BIZ_LAMP_Y = OFFICE_LAMP_Y;

// Screen colour of a ramp step (clamped to the ramp).
int32_t biz_col(BizRamp ramp, int32_t step);
// Fills the picture's palette with the group's ramps.
void biz_palette(PictureImage* image);

// 4 x 4 ordered dither: whether a fraction of frac/16 rounds up at (x, y).
bool biz_dither(int32_t x, int32_t y, int32_t frac);
// A ramp colour for a level given in sixteenths of a step, ordered-dithered at (x, y).
int32_t biz_level(BizRamp ramp, int32_t x, int32_t y, int32_t level16);

// Fills a rectangle with a ramp, level per pixel from fn(x, y) in sixteenths of a step.
template <typename F>
void biz_field(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp, F fn) {
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) paint_pixel(image, x, y, biz_level(ramp, x, y, fn(x, y)));
}
// Vertical (or horizontal) dithered run from one ramp step to another, either direction.
void biz_gradient(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                  int32_t from_step, int32_t to_step, bool horizontal);
// A shaded block: face of one step, one-pixel light top/left and dark bottom/right edges.
void biz_block(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
               int32_t step);
// A sunken well: dark top/left edges, light bottom/right, face of the given step.
void biz_well(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
              int32_t step);
// A horizontally lit cylinder (pipe, post), light from the left third.
void biz_cylinder_v(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                    int32_t dark, int32_t light);
// The same lying down: lit from the top third.
void biz_cylinder_h(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                    int32_t dark, int32_t light);
// A ball (or ellipse) lit from the upper left, between two ramp steps.
void biz_ball(PictureImage* image, int32_t cx, int32_t cy, int32_t rx, int32_t ry, BizRamp ramp, int32_t dark,
              int32_t light);
// Wooden boards: vertical (or horizontal) planks of the given width with a grain and dark joints.
void biz_planks(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                int32_t step, int32_t width, bool horizontal, uint32_t seed);
// Moves the colour of every pixel of the ramp in the rectangle by delta steps (shadows, light).
void biz_shift(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
               int32_t delta);
// Like biz_shift on every second pixel in a checker (a half shadow).
void biz_shift_half(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp,
                    int32_t delta);
// Fills a polygon with a ramp, level per pixel from fn(x, y) in sixteenths of a step (shaded hulls,
// roofs, walls).
template <typename F>
void biz_polygon_field(PictureImage* image, const PaintPoint* points, int32_t count, BizRamp ramp, F fn) {
    // painted first in the marker colour 31 (never used otherwise), then shaded
    int32_t x0 = PICTURE_IMAGE_WIDTH, y0 = PICTURE_IMAGE_HEIGHT, x1 = -1, y1 = -1;
    for (int32_t i = 0; i < count; ++i) {
        x0 = points[i].x < x0 ? points[i].x : x0;
        y0 = points[i].y < y0 ? points[i].y : y0;
        x1 = points[i].x > x1 ? points[i].x : x1;
        y1 = points[i].y > y1 ? points[i].y : y1;
    }
    paint_polygon(image, points, count, BIZ_MARKER);
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            if (paint_get(image, x, y) == BIZ_MARKER)
                paint_pixel(image, x, y, biz_level(ramp, x, y, fn(x, y)));
}
// A line of the given width.
void biz_thick_line(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width,
                    int32_t colour);
// A digit string in 3 x 5 (scale 1) or larger blocky digits; '%' draws a small percent sign.
// Returns the x after the last character.
int32_t biz_digits(PictureImage* image, int32_t x, int32_t y, const char* text, int32_t scale,
                   int32_t colour);
// A small deterministic noise source.
uint32_t biz_hash(uint32_t x, uint32_t y, uint32_t seed);

// A sea-and-sky view through a window or in a frame: horizon at row horizon, with a far shore.
void biz_view(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t horizon,
              uint32_t seed);
// A potted plant standing on (cx, base).
void biz_plant(PictureImage* image, int32_t cx, int32_t base, int32_t height, uint32_t seed);
// A framed wall picture of a ship at sea.
void biz_wall_picture(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t seed);

// A room seen from its open front: the back wall rectangle, the rows the room spans, and the
// vanishing point (usually the back wall's centre) that the side walls, ceiling and floor run to.
struct BizRoom {
    int32_t x0, y0, x1, y1;  // back wall
    int32_t top, bottom;     // first and last row of the room on screen
    int32_t vx, vy;
};
enum BizRoomPart { BIZ_BACK, BIZ_CEILING, BIZ_RIGHT, BIZ_FLOOR, BIZ_LEFT };
BizRoomPart biz_room_part(const BizRoom& room, int32_t x, int32_t y);
// Row of a point at height v (0 ceiling .. 256 floor) on a side wall at screen column x.
int32_t biz_room_wall_y(const BizRoom& room, int32_t x, int32_t v256);
// Column where the floor line through (x, y) meets the back wall (for boards and tiles).
int32_t biz_room_floor_u(const BizRoom& room, int32_t x, int32_t y);
// Depth of a floor row, 0 at the back wall .. 256 at the front.
int32_t biz_room_floor_depth(const BizRoom& room, int32_t y);

// The painters of the group, one per picture (or family).
void paint_biz_bunkering(PictureImage* image);
void paint_biz_office(int32_t style, PictureImage* image);
void paint_biz_lift_hall(PictureImage* image);
void paint_biz_lift_panel(PictureImage* image);
void paint_biz_statistics(PictureImage* image);
void paint_biz_elimination(PictureImage* image);
void paint_biz_shipyard(PictureImage* image);
void paint_biz_ship_model(int32_t model, PictureImage* image);
void paint_biz_crown(PictureImage* image);
void paint_biz_information(PictureImage* image);
void paint_biz_positions(PictureImage* image);
void paint_biz_ranking(PictureImage* image);
