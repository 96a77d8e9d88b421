// Pictures 3..6: the four offices a shipowner can get, one room each: a wood-panelled study, a
// modern office over the city, a captain's cabin and a control room whose console lamp the office
// screen blinks. The scene fills rows 15..187; the status line and the bottom buttons cover the rest.
#include <algorithm>
#include <cstdlib>

#include "assets/art_business.h"

namespace {

constexpr BizRoom ROOM = {62, 34, 258, 118, 15, 187, 160, 78};

struct OfficeLook {
    BizRamp wall;
    int32_t wall_step;
    BizRamp ceiling;
    int32_t ceiling_step;
    BizRamp floor;
    int32_t floor_step;
    int32_t floor_kind;  // 0 boards, 1 carpet, 2 tiles
    BizRamp desk;
    int32_t desk_step;
    uint32_t seed;
};

constexpr OfficeLook LOOKS[4] = {
    {BIZ_WOOD, 7, BIZ_PAPER, 9, BIZ_WINE, 6, 1, BIZ_WOOD, 6, 3u},
    {BIZ_STONE, 12, BIZ_STONE, 14, BIZ_STEEL, 7, 1, BIZ_STEEL, 9, 4u},
    {BIZ_PAPER, 10, BIZ_WOOD, 9, BIZ_WOOD, 8, 0, BIZ_WOOD, 5, 5u},
    {BIZ_NAVY, 5, BIZ_STEEL, 4, BIZ_STEEL, 6, 2, BIZ_STEEL, 7, 6u},
};

void paint_shell(PictureImage* image, const OfficeLook& o) {
    paint_rect(image, 0, 0, 319, BIZ_STATUS_ROWS - 1, 0);
    for (int32_t y = ROOM.top; y <= ROOM.bottom; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t c;
            switch (biz_room_part(ROOM, x, y)) {
                case BIZ_BACK:
                    c = biz_level(o.wall, x, y, o.wall_step * 16 + (y - ROOM.y0) * 8 / (ROOM.y1 - ROOM.y0));
                    break;
                case BIZ_CEILING:
                    c = biz_level(o.ceiling, x, y, o.ceiling_step * 16 - (ROOM.y0 - y) * 2);
                    break;
                case BIZ_LEFT:
                case BIZ_RIGHT: {
                    int32_t far = std::abs(x - ROOM.vx) * 256 / 160;  // nearer the front, darker
                    int32_t side = x < ROOM.vx ? -16 : -32;
                    c = biz_level(o.wall, x, y, o.wall_step * 16 + side - far * 40 / 256);
                    break;
                }
                default: {
                    int32_t depth = biz_room_floor_depth(ROOM, y);
                    int32_t u = biz_room_floor_u(ROOM, x, y);
                    int32_t level = o.floor_step * 16 - 16 + depth * 24 / 256;
                    if (o.floor_kind == 0) {
                        // boards running into the room, their joints converging on the back wall
                        if (((u + 400) % 14) == 0) level -= 40;
                        level += static_cast<int32_t>(biz_hash(static_cast<uint32_t>((u + 400) / 14),
                                                               static_cast<uint32_t>(y / 3), o.seed) %
                                                      12) -
                                 6;
                    } else if (o.floor_kind == 1) {
                        level +=
                            static_cast<int32_t>(
                                biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), o.seed) % 10) -
                            5;
                    } else {
                        int32_t row = (depth * depth / 256) / 24;
                        int32_t cell = ((u + 400) / 20 + row) & 1;
                        level += cell != 0 ? 20 : -8;
                        if (((u + 400) % 20) == 0) level = 2 * 16;
                    }
                    c = biz_level(o.floor, x, y, level);
                    break;
                }
            }
            paint_pixel(image, x, y, c);
        }
    // skirting along the back wall and the side walls
    paint_rect(image, ROOM.x0, ROOM.y1 - 2, ROOM.x1, ROOM.y1, biz_col(o.wall, o.wall_step - 4));
    for (int32_t x = 0; x < ROOM.x0; ++x) {
        int32_t y = biz_room_wall_y(ROOM, x, 256);
        paint_rect(image, x, y - 3 - (ROOM.x0 - x) / 20, x, y, biz_col(o.wall, o.wall_step - 5));
    }
    for (int32_t x = ROOM.x1 + 1; x < 320; ++x) {
        int32_t y = biz_room_wall_y(ROOM, x, 256);
        paint_rect(image, x, y - 3 - (x - ROOM.x1) / 20, x, y, biz_col(o.wall, o.wall_step - 6));
    }
}

void paint_window(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp frame,
                  int32_t step, int32_t panes, uint32_t seed) {
    biz_view(image, x0, y0, x1, y1, y0 + (y1 - y0) * 3 / 5, seed);
    paint_bevel(image, x0 - 2, y0 - 2, x1 + 2, y1 + 2, biz_col(frame, step - 3), biz_col(frame, step + 3),
                false);
    paint_frame(image, x0 - 1, y0 - 1, x1 + 1, y1 + 1, biz_col(frame, step));
    for (int32_t k = 1; k < panes; ++k) {
        int32_t x = x0 + (x1 - x0) * k / panes;
        paint_rect(image, x, y0, x, y1, biz_col(frame, step));
    }
    paint_rect(image, x0, (y0 + y1) / 2, x1, (y0 + y1) / 2, biz_col(frame, step));
    paint_rect(image, x0 - 4, y1 + 3, x1 + 4, y1 + 4, biz_col(frame, step + 2));  // sill
    paint_rect(image, x0 - 4, y1 + 5, x1 + 4, y1 + 5, biz_col(frame, step - 4));
}

void paint_curtain(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp) {
    biz_field(image, x0, y0, x1, y1, ramp, [&](int32_t x, int32_t y) {
        int32_t fold = (x - x0) % 6;
        int32_t level = 8 * 16 + (fold < 3 ? fold * 16 : (6 - fold) * 16) - 24;
        return level + (y - y0) * 8 / std::max(y1 - y0, 1);
    });
    paint_rect(image, x0 - 1, y0 - 1, x1 + 1, y0, biz_col(BIZ_GOLD, 10));
}

// A desk standing in front of the back wall, seen slightly from above.
void paint_desk(PictureImage* image, const OfficeLook& o, int32_t x0, int32_t x1, int32_t top, int32_t front,
                int32_t bottom) {
    PaintPoint lid[] = {{x0 + 10, top}, {x1 - 10, top}, {x1, front}, {x0, front}};
    biz_polygon_field(image, lid, 4, o.desk, [&](int32_t, int32_t y) {
        return (o.desk_step + 3) * 16 + (y - top) * 24 / std::max(front - top, 1);
    });
    paint_rect(image, x0, front, x1, front + 1, biz_col(o.desk, o.desk_step + 6));
    biz_gradient(image, x0, front + 2, x1, bottom, o.desk, o.desk_step, o.desk_step - 3, false);
    // drawers on both pedestals, knee hole between
    int32_t w = (x1 - x0) / 4;
    for (int32_t side = 0; side < 2; ++side) {
        int32_t dx0 = side == 0 ? x0 + 3 : x1 - w + 1, dx1 = side == 0 ? x0 + w - 1 : x1 - 3;
        for (int32_t y = front + 5; y + 8 < bottom; y += 11) {
            biz_block(image, dx0, y, dx1, y + 8, o.desk, o.desk_step + 1);
            paint_rect(image, (dx0 + dx1) / 2 - 2, y + 4, (dx0 + dx1) / 2 + 2, y + 4, biz_col(BIZ_GOLD, 12));
        }
    }
    biz_gradient(image, x0 + w + 2, front + 4, x1 - w - 2, bottom, o.desk, o.desk_step - 4, o.desk_step - 6,
                 false);
    // shadow on the floor
    biz_shift_half(image, x0 - 2, bottom + 1, x1 + 6, std::min(bottom + 4, ROOM.bottom), o.floor, -3);
}

void paint_chair(PictureImage* image, int32_t cx, int32_t top, int32_t seat, BizRamp ramp, int32_t step) {
    PaintPoint back[] = {{cx - 14, top + 4}, {cx - 10, top},  {cx + 10, top},
                         {cx + 14, top + 4}, {cx + 13, seat}, {cx - 13, seat}};
    biz_polygon_field(image, back, 6, ramp, [&](int32_t x, int32_t y) {
        int32_t d = std::abs(x - cx + 4);
        return step * 16 + 32 - d * 3 - (y - top) / 2;
    });
    // buttoned upholstery
    for (int32_t y = top + 4; y < seat - 2; y += 5)
        for (int32_t x = cx - 8 + ((y / 5) & 1) * 3; x <= cx + 8; x += 6)
            paint_pixel(image, x, y, biz_col(ramp, step - 3));
}

void paint_bookshelf_left(PictureImage* image, int32_t xa, int32_t xb, uint32_t seed) {
    static const BizRamp spines[] = {BIZ_RED, BIZ_NAVY, BIZ_GREEN, BIZ_WINE, BIZ_RUST, BIZ_PAPER, BIZ_TEAL};
    for (int32_t x = xa; x <= xb; ++x) {
        int32_t y0 = biz_room_wall_y(ROOM, x, 30), y1 = biz_room_wall_y(ROOM, x, 250);
        for (int32_t y = y0; y <= y1; ++y) paint_pixel(image, x, y, biz_col(BIZ_WOOD, 3));
        if (x == xa || x == xb) {
            paint_rect(image, x, y0, x, y1, biz_col(BIZ_WOOD, x == xa ? 6 : 9));
            continue;
        }
        // five shelves of books
        for (int32_t s = 0; s < 5; ++s) {
            int32_t sy0 = biz_room_wall_y(ROOM, x, 30 + s * 44),
                    sy1 = biz_room_wall_y(ROOM, x, 30 + (s + 1) * 44);
            paint_rect(image, x, sy1 - 1, x, sy1, biz_col(BIZ_WOOD, 8));
            int32_t book = (x - xa) / 3;
            uint32_t r = biz_hash(static_cast<uint32_t>(book), static_cast<uint32_t>(s), seed);
            if (r % 9 == 0) continue;
            int32_t bt = sy0 + 2 + static_cast<int32_t>(r % 3);
            BizRamp b = spines[(r >> 4) % 7];
            int32_t st = ((x - xa) % 3 == 0) ? 4 : 7 + static_cast<int32_t>((r >> 8) % 3);
            paint_rect(image, x, bt, x, sy1 - 2, biz_col(b, st));
            if (((x - xa) % 3) == 1) paint_pixel(image, x, (bt + sy1) / 2, biz_col(BIZ_GOLD, 12));
        }
    }
}

void paint_wall_clock(PictureImage* image, int32_t cx, int32_t cy, int32_t r) {
    biz_ball(image, cx, cy, r + 2, r + 2, BIZ_GOLD, 4, 12);
    biz_ball(image, cx, cy, r, r, BIZ_PAPER, 11, 15);
    for (int32_t k = 0; k < 12; ++k) {
        static const int32_t dx[12] = {0, 5, 8, 10, 8, 5, 0, -5, -8, -10, -8, -5};
        static const int32_t dy[12] = {-10, -8, -5, 0, 5, 8, 10, 8, 5, 0, -5, -8};
        paint_pixel(image, cx + dx[k] * (r - 1) / 10, cy + dy[k] * (r - 1) / 10, biz_col(BIZ_STEEL, 2));
    }
    paint_line(image, cx, cy, cx + r / 2, cy - r / 3, biz_col(BIZ_STEEL, 1));
    paint_line(image, cx, cy, cx, cy - r + 2, biz_col(BIZ_STEEL, 1));
}

void paint_desk_lamp(PictureImage* image, int32_t x, int32_t base, BizRamp shade) {
    paint_rect(image, x - 3, base - 1, x + 3, base, biz_col(BIZ_GOLD, 8));
    paint_rect(image, x, base - 12, x, base - 2, biz_col(BIZ_GOLD, 10));
    PaintPoint cone[] = {{x - 3, base - 18}, {x + 3, base - 18}, {x + 7, base - 11}, {x - 7, base - 11}};
    biz_polygon_field(image, cone, 4, shade, [&](int32_t px, int32_t) { return 9 * 16 - (px - x) * 8; });
    paint_rect(image, x - 6, base - 10, x + 6, base - 10, biz_col(BIZ_GOLD, 15));
}

void paint_papers(PictureImage* image, int32_t x, int32_t y, uint32_t seed) {
    for (int32_t k = 0; k < 3; ++k) {
        int32_t dx = static_cast<int32_t>(biz_hash(static_cast<uint32_t>(k), 1, seed) % 5);
        PaintPoint sheet[] = {{x + dx + k * 2, y - k},
                              {x + dx + k * 2 + 16, y - k - 1},
                              {x + dx + k * 2 + 18, y - k + 6},
                              {x + dx + k * 2 + 2, y - k + 7}};
        paint_polygon(image, sheet, 4, biz_col(BIZ_PAPER, 13 + k));
    }
    for (int32_t l = 0; l < 3; ++l)
        paint_rect(image, x + 8, y + l * 2 - 1, x + 16, y + l * 2 - 1, biz_col(BIZ_STEEL, 8));
}

void paint_phone(PictureImage* image, int32_t x, int32_t y) {
    biz_block(image, x, y - 4, x + 11, y, BIZ_STEEL, 3);
    biz_cylinder_h(image, x - 1, y - 7, x + 12, y - 5, BIZ_STEEL, 1, 6);
    for (int32_t k = 0; k < 3; ++k) paint_pixel(image, x + 3 + k * 2, y - 2, biz_col(BIZ_STEEL, 10));
}

void paint_globe(PictureImage* image, int32_t cx, int32_t cy, int32_t r) {
    biz_ball(image, cx, cy, r, r, BIZ_SEA, 4, 13);
    for (int32_t y = -r; y <= r; ++y)
        for (int32_t x = -r; x <= r; ++x) {
            if (x * x + y * y > r * r) continue;
            if (biz_hash(static_cast<uint32_t>((x + 40) / 3), static_cast<uint32_t>((y + 40) / 3), 12) % 3 ==
                0)
                paint_pixel(image, cx + x, cy + y, biz_col(BIZ_GREEN, 6 + (x < 0 && y < 0 ? 3 : 0)));
        }
    paint_line(image, cx - r - 2, cy + r + 2, cx + r + 2, cy - r - 2, biz_col(BIZ_GOLD, 9));
    paint_rect(image, cx - 1, cy + r + 1, cx + 1, cy + r + 5, biz_col(BIZ_WOOD, 6));
    paint_rect(image, cx - 6, cy + r + 6, cx + 6, cy + r + 7, biz_col(BIZ_WOOD, 8));
}

void paint_rug(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, BizRamp ramp) {
    PaintPoint rug[] = {{x0 + 16, y0}, {x1 - 16, y0}, {x1, y1}, {x0, y1}};
    biz_polygon_field(image, rug, 4, ramp, [&](int32_t x, int32_t y) {
        int32_t inset = std::min({y - y0, y1 - y, x - x0 - 16 * (y1 - y) / std::max(y1 - y0, 1),
                                  x1 - x - 16 * (y1 - y) / std::max(y1 - y0, 1)});
        int32_t level = inset < 3 ? 12 * 16 : inset < 6 ? 5 * 16 : 8 * 16;
        if (inset >= 6 && ((x / 6 + y / 3) % 4 == 0)) level = 10 * 16;
        return level;
    });
}

// ---- the four rooms ---------------------------------------------------------------------

void paint_study(PictureImage* image, const OfficeLook& o) {
    // panelled back wall: frames of darker moulding
    for (int32_t x = ROOM.x0 + 6; x + 26 < ROOM.x1; x += 32) {
        paint_bevel(image, x, ROOM.y0 + 44, x + 26, ROOM.y1 - 8, biz_col(BIZ_WOOD, 10), biz_col(BIZ_WOOD, 3),
                    true);
    }
    paint_rect(image, ROOM.x0, ROOM.y0 + 40, ROOM.x1, ROOM.y0 + 41, biz_col(BIZ_WOOD, 11));
    paint_window(image, 120, 44, 200, 92, BIZ_WOOD, 5, 3, 21u);
    paint_curtain(image, 106, 40, 118, 100, BIZ_WINE);
    paint_curtain(image, 202, 40, 214, 100, BIZ_WINE);
    biz_wall_picture(image, 226, 46, 252, 68, 9u);
    paint_wall_clock(image, 88, 58, 8);
    paint_bookshelf_left(image, 6, 50, o.seed);
    paint_rug(image, 40, 150, 280, 186, BIZ_RED);
    paint_globe(image, 282, 118, 11);
    paint_rect(image, 270, 137, 294, 140, biz_col(BIZ_WOOD, 7));  // its stand
    paint_chair(image, 160, 96, 130, BIZ_WINE, 7);
    paint_desk(image, o, 92, 228, 126, 140, 176);
    paint_desk_lamp(image, 112, 133, BIZ_GREEN);
    paint_papers(image, 146, 130, 1u);
    paint_phone(image, 196, 136);
    biz_plant(image, 292, 184, 40, 3u);
}

void paint_modern(PictureImage* image, const OfficeLook& o) {
    // the whole back wall is glass: a harbour city outside
    int32_t x0 = ROOM.x0 + 4, x1 = ROOM.x1 - 4, y0 = ROOM.y0 + 4, y1 = ROOM.y1 - 10;
    int32_t hz = y0 + 44;
    biz_gradient(image, x0, y0, x1, hz, BIZ_SKY, 8, 14, false);
    biz_gradient(image, x0, hz, x1, y1, BIZ_SEA, 9, 6, false);
    // skyline: towers of varying height with lit windows
    for (int32_t x = x0; x <= x1;) {
        uint32_t r = biz_hash(static_cast<uint32_t>(x), 4, o.seed);
        int32_t w = 6 + static_cast<int32_t>(r % 10), h = 8 + static_cast<int32_t>((r >> 8) % 30);
        int32_t step = 4 + static_cast<int32_t>((r >> 16) % 5);
        for (int32_t bx = x; bx < std::min(x + w, x1 + 1); ++bx)
            for (int32_t y = hz - h; y <= hz; ++y) {
                bool win = ((bx - x) % 3 == 1) && ((y - hz + h) % 3 == 1) &&
                           biz_hash(static_cast<uint32_t>(bx), static_cast<uint32_t>(y), 2) % 3 != 0;
                paint_pixel(image, bx, y,
                            win ? biz_col(BIZ_GOLD, 12) : biz_col(BIZ_NAVY, step + (bx == x ? 2 : 0)));
            }
        x += w + static_cast<int32_t>((r >> 24) % 3);
    }
    // quays and a ship in the water
    paint_rect(image, x0, hz + 1, x1, hz + 2, biz_col(BIZ_STONE, 9));
    PaintPoint ship[] = {{196, hz + 12}, {242, hz + 11}, {238, hz + 16}, {200, hz + 16}};
    paint_polygon(image, ship, 4, biz_col(BIZ_RED, 6));
    paint_rect(image, 202, hz + 8, 212, hz + 11, biz_col(BIZ_STONE, 14));
    paint_rect(image, 206, hz + 5, 208, hz + 8, biz_col(BIZ_NAVY, 6));
    // mullions and reflections
    for (int32_t x = x0; x <= x1; x += 39) paint_rect(image, x, y0, x + 1, y1, biz_col(BIZ_STEEL, 10));
    paint_rect(image, x0, y0, x1, y0 + 1, biz_col(BIZ_STEEL, 10));
    paint_rect(image, x0, y1 - 1, x1, y1, biz_col(BIZ_STEEL, 10));
    for (int32_t k = 0; k < 4; ++k)
        for (int32_t y = y0 + 6; y < y1 - 4; y += 2)
            paint_pixel(image, x0 + 10 + k * 50 + (y1 - y) / 2, y, biz_col(BIZ_SKY, 14));
    // recessed ceiling lights
    for (int32_t x = 60; x <= 260; x += 50) {
        int32_t y = 22 + std::abs(x - 160) / 30;
        paint_ellipse(image, x, y, 7, 2, biz_col(BIZ_PAPER, 15));
    }
    // a sideboard on the right wall with a model ship in a case
    for (int32_t x = 268; x <= 312; ++x) {
        int32_t ya = biz_room_wall_y(ROOM, x, 170), yb = biz_room_wall_y(ROOM, x, 250);
        for (int32_t y = ya; y <= yb; ++y)
            paint_pixel(image, x, y, biz_level(BIZ_STEEL, x, y, 4 * 16 + (y - ya) * 2));
        paint_pixel(image, x, ya, biz_col(BIZ_STEEL, 10));
    }
    biz_block(image, 272, 88, 300, 106, BIZ_SKY, 12);
    PaintPoint model[] = {{276, 100}, {298, 99}, {296, 103}, {278, 103}};
    paint_polygon(image, model, 4, biz_col(BIZ_NAVY, 6));
    paint_rect(image, 280, 95, 286, 99, biz_col(BIZ_STONE, 14));
    biz_plant(image, 30, 180, 56, 7u);
    biz_plant(image, 70, 126, 26, 8u);
    // glass desk: steel legs, a pale top
    paint_chair(image, 160, 92, 128, BIZ_STEEL, 3);
    PaintPoint lid[] = {{100, 126}, {220, 126}, {232, 138}, {88, 138}};
    biz_polygon_field(image, lid, 4, BIZ_TEAL,
                      [&](int32_t x, int32_t) { return 11 * 16 + (x % 7 == 0 ? 40 : 0); });
    paint_rect(image, 88, 138, 232, 139, biz_col(BIZ_TEAL, 14));
    for (int32_t x : {94, 100, 220, 226}) biz_cylinder_v(image, x - 1, 140, x + 1, 178, BIZ_STEEL, 5, 13);
    paint_rect(image, 96, 158, 224, 159, biz_col(BIZ_STEEL, 9));
    biz_block(image, 124, 112, 152, 128, BIZ_STEEL, 2);  // a flat screen
    biz_gradient(image, 126, 114, 150, 126, BIZ_TEAL, 9, 4, false);
    paint_rect(image, 136, 129, 140, 131, biz_col(BIZ_STEEL, 6));
    paint_papers(image, 170, 130, 2u);
    paint_phone(image, 204, 135);
}

void paint_cabin(PictureImage* image, const OfficeLook& o) {
    // wood wainscot below, cream above, portholes and ship's gear
    for (int32_t y = ROOM.y0 + 50; y <= ROOM.y1; ++y)
        for (int32_t x = ROOM.x0; x <= ROOM.x1; ++x)
            paint_pixel(image, x, y, biz_level(BIZ_WOOD, x, y, 7 * 16 + ((x - ROOM.x0) % 16 == 0 ? -40 : 0)));
    paint_rect(image, ROOM.x0, ROOM.y0 + 48, ROOM.x1, ROOM.y0 + 49, biz_col(BIZ_WOOD, 11));
    for (int32_t x = 0; x < ROOM.x0; ++x) {
        int32_t ya = biz_room_wall_y(ROOM, x, 140), yb = biz_room_wall_y(ROOM, x, 256);
        for (int32_t y = ya; y <= yb; ++y)
            paint_pixel(image, x, y, biz_level(BIZ_WOOD, x, y, 5 * 16 + x / 8));
    }
    for (int32_t x = ROOM.x1 + 1; x < 320; ++x) {
        int32_t ya = biz_room_wall_y(ROOM, x, 140), yb = biz_room_wall_y(ROOM, x, 256);
        for (int32_t y = ya; y <= yb; ++y)
            paint_pixel(image, x, y, biz_level(BIZ_WOOD, x, y, 4 * 16 + (320 - x) / 8));
    }
    // ceiling beams
    for (int32_t k = 0; k < 4; ++k) {
        int32_t y = ROOM.y0 - 4 - k * 5;
        int32_t half = 100 + (ROOM.y0 - y) * 3;
        paint_rect(image, 160 - half, y, 160 + half, y + 1, biz_col(BIZ_WOOD, 4));
    }
    for (int32_t cx : {110, 160, 210}) {
        biz_ball(image, cx, 60, 14, 14, BIZ_GOLD, 4, 13);
        paint_ellipse(image, cx, 60, 10, 10, biz_col(BIZ_STEEL, 2));
        biz_view(image, cx - 9, 51, cx + 9, 69, 62, static_cast<uint32_t>(cx));
        for (int32_t y = 50; y <= 70; ++y)
            for (int32_t x = cx - 10; x <= cx + 10; ++x)
                if ((x - cx) * (x - cx) + (y - 60) * (y - 60) > 90 &&
                    (x - cx) * (x - cx) + (y - 60) * (y - 60) <= 110)
                    paint_pixel(image, x, y, biz_col(BIZ_GOLD, 6));
        for (int32_t a = 0; a < 8; ++a) {
            static const int32_t dx[8] = {0, 9, 12, 9, 0, -9, -12, -9};
            static const int32_t dy[8] = {-12, -9, 0, 9, 12, 9, 0, -9};
            paint_pixel(image, cx + dx[a], 60 + dy[a], biz_col(BIZ_GOLD, 15));
        }
    }
    // the ship's wheel on the left wall of the back, a barometer, a chart
    int32_t wx = 80, wy = 60;
    for (int32_t k = 0; k < 8; ++k) {
        static const int32_t dx[8] = {0, 10, 14, 10, 0, -10, -14, -10};
        static const int32_t dy[8] = {-14, -10, 0, 10, 14, 10, 0, -10};
        biz_thick_line(image, wx, wy, wx + dx[k], wy + dy[k], 2, biz_col(BIZ_WOOD, 9));
        biz_ball(image, wx + dx[k] * 17 / 14, wy + dy[k] * 17 / 14, 2, 2, BIZ_WOOD, 6, 12);
    }
    for (int32_t y = -10; y <= 10; ++y)
        for (int32_t x = -10; x <= 10; ++x) {
            int32_t d = x * x + y * y;
            if (d >= 70 && d <= 100)
                paint_pixel(image, wx + x, wy + y, biz_col(BIZ_WOOD, 7 + (x + y < 0 ? 3 : 0)));
        }
    biz_ball(image, wx, wy, 3, 3, BIZ_GOLD, 6, 14);
    paint_wall_clock(image, 240, 60, 7);  // the barometer
    paint_rect(image, 237, 58, 239, 58, biz_col(BIZ_RED, 9));
    // chart pinned on the right wall
    PaintPoint chart[] = {{272, 52}, {312, 42}, {312, 92}, {272, 94}};
    paint_polygon(image, chart, 4, biz_col(BIZ_PAPER, 12));
    for (int32_t y = 48; y < 94; ++y)
        for (int32_t x = 274; x < 311; ++x)
            if (paint_get(image, x, y) == biz_col(BIZ_PAPER, 12) &&
                biz_hash(static_cast<uint32_t>(x / 4), static_cast<uint32_t>(y / 4), 31) % 4 == 0)
                paint_pixel(image, x, y, biz_col(BIZ_TEAL, 10));
    for (int32_t x = 278; x < 310; x += 8)
        paint_line(image, x, 52 - (x - 272) / 4, x, 92, biz_col(BIZ_PAPER, 8));
    paint_line(image, 276, 88, 306, 56, biz_col(BIZ_RED, 8));
    // sea chest on the left, a lantern hanging from the beam
    biz_block(image, 8, 150, 48, 176, BIZ_WOOD, 6);
    paint_rect(image, 8, 156, 48, 157, biz_col(BIZ_GOLD, 9));
    paint_rect(image, 26, 158, 30, 163, biz_col(BIZ_GOLD, 11));
    paint_line(image, 160, 15, 160, 22, biz_col(BIZ_STEEL, 3));
    biz_block(image, 156, 22, 164, 30, BIZ_GOLD, 10);
    paint_rect(image, 158, 24, 162, 28, biz_col(BIZ_GOLD, 15));
    paint_rug(image, 50, 152, 270, 186, BIZ_NAVY);
    paint_chair(image, 160, 98, 130, BIZ_RUST, 8);
    paint_desk(image, o, 96, 224, 128, 141, 176);
    paint_globe(image, 120, 118, 8);
    paint_papers(image, 150, 132, 3u);
    // a sextant box on the desk
    biz_block(image, 186, 128, 206, 137, BIZ_WOOD, 9);
    paint_rect(image, 194, 131, 198, 132, biz_col(BIZ_GOLD, 12));
}

void paint_control_room(PictureImage* image, const OfficeLook& o) {
    // a wall of screens: a world chart in the middle, tables on the sides
    biz_block(image, ROOM.x0 + 4, ROOM.y0 + 4, ROOM.x1 - 4, ROOM.y0 + 56, BIZ_STEEL, 3);
    for (int32_t k = 0; k < 3; ++k) {
        int32_t x0 = ROOM.x0 + 8 + k * 64, x1 = x0 + 58, y0 = ROOM.y0 + 8, y1 = ROOM.y0 + 52;
        biz_gradient(image, x0, y0, x1, y1, k == 1 ? BIZ_SEA : BIZ_TEAL, k == 1 ? 6 : 2, k == 1 ? 3 : 1,
                     false);
        if (k == 1) {
            for (int32_t y = y0; y <= y1; ++y)
                for (int32_t x = x0; x <= x1; ++x) {
                    uint32_t r = biz_hash(static_cast<uint32_t>(x / 4), static_cast<uint32_t>(y / 4), 91);
                    bool land = (x - x0 > 8 && x - x0 < 22 && y - y0 > 6 && y - y0 < 36 && r % 3 != 0) ||
                                (x - x0 > 30 && x - x0 < 52 && y - y0 > 4 && y - y0 < 24 && r % 4 != 0);
                    if (land) paint_pixel(image, x, y, biz_col(BIZ_GREEN, 6));
                    if ((x - x0) % 10 == 0 || (y - y0) % 10 == 0)
                        paint_pixel(image, x, y, biz_col(BIZ_TEAL, 7));
                }
            for (int32_t s = 0; s < 5; ++s) {
                uint32_t r = biz_hash(static_cast<uint32_t>(s), 8, 92);
                paint_pixel(image, x0 + 4 + static_cast<int32_t>(r % 50),
                            y0 + 4 + static_cast<int32_t>((r >> 8) % 36), biz_col(BIZ_GOLD, 15));
            }
        } else {
            for (int32_t y = y0 + 4; y < y1 - 2; y += 4) {
                int32_t len = 10 + static_cast<int32_t>(
                                       biz_hash(static_cast<uint32_t>(y), static_cast<uint32_t>(k), 93) % 40);
                paint_rect(image, x0 + 4, y, x0 + 4 + len, y, biz_col(BIZ_TEAL, 11));
            }
        }
        paint_bevel(image, x0 - 1, y0 - 1, x1 + 1, y1 + 1, biz_col(BIZ_STEEL, 0), biz_col(BIZ_STEEL, 7),
                    false);
    }
    // the console along the back wall, with switches, dials and the blinking lamp
    int32_t cy0 = 96, cy1 = ROOM.y1;
    PaintPoint desk[] = {
        {ROOM.x0 + 4, cy0 + 4}, {ROOM.x1 - 4, cy0 + 4}, {ROOM.x1 - 4, cy1}, {ROOM.x0 + 4, cy1}};
    biz_polygon_field(image, desk, 4, BIZ_STEEL, [&](int32_t, int32_t y) { return 7 * 16 - (y - cy0) * 3; });
    paint_rect(image, ROOM.x0 + 2, cy0 + 2, ROOM.x1 - 2, cy0 + 3, biz_col(BIZ_STEEL, 12));
    for (int32_t x = ROOM.x0 + 12; x < ROOM.x1 - 12; x += 6) {
        uint32_t r = biz_hash(static_cast<uint32_t>(x), 3, o.seed);
        static const BizRamp leds[] = {BIZ_RED, BIZ_GREEN, BIZ_GOLD, BIZ_TEAL};
        if (std::abs(x - BIZ_LAMP_X) < 8) continue;
        paint_pixel(image, x, cy0 + 8, biz_col(leds[r % 4], r % 3 == 0 ? 14 : 6));
        paint_rect(image, x, cy0 + 12, x + 2, cy0 + 13, biz_col(BIZ_STEEL, 2));
        paint_pixel(image, x + 1, cy0 + 12 - static_cast<int32_t>(r % 2), biz_col(BIZ_STEEL, 13));
    }
    for (int32_t cx : {96, 226}) {
        biz_ball(image, cx, cy0 + 12, 5, 5, BIZ_STEEL, 1, 5);
        biz_ball(image, cx, cy0 + 12, 4, 4, BIZ_PAPER, 9, 14);
        paint_line(image, cx, cy0 + 12, cx + 3, cy0 + 9, biz_col(BIZ_RED, 9));
    }
    // lamp housing: a dark bezel and a chrome rim, the lamp itself its centre pixel
    biz_block(image, BIZ_LAMP_X - 4, BIZ_LAMP_Y - 4, BIZ_LAMP_X + 4, BIZ_LAMP_Y + 4, BIZ_STEEL, 8);
    paint_rect(image, BIZ_LAMP_X - 2, BIZ_LAMP_Y - 2, BIZ_LAMP_X + 2, BIZ_LAMP_Y + 2, biz_col(BIZ_STEEL, 0));
    paint_frame(image, BIZ_LAMP_X - 1, BIZ_LAMP_Y - 1, BIZ_LAMP_X + 1, BIZ_LAMP_Y + 1, biz_col(BIZ_NAVY, 8));
    paint_pixel(image, BIZ_LAMP_X, BIZ_LAMP_Y, 9);
    // ceiling light strips
    for (int32_t k = 0; k < 3; ++k) {
        int32_t y = 20 + k * 5;
        int32_t half = 110 - k * 14;
        paint_rect(image, 160 - half, y, 160 + half, y, biz_col(BIZ_TEAL, 14 - k));
    }
    // racks of equipment on the side walls
    for (int32_t side = 0; side < 2; ++side) {
        int32_t xa = side == 0 ? 8 : 270, xb = side == 0 ? 50 : 312;
        for (int32_t x = xa; x <= xb; ++x) {
            int32_t ya = biz_room_wall_y(ROOM, x, 20), yb = biz_room_wall_y(ROOM, x, 245);
            for (int32_t y = ya; y <= yb; ++y) {
                int32_t v = (y - ya) * 256 / std::max(yb - ya, 1);
                int32_t level = 3 * 16 + ((v / 24) % 2) * 16;
                if ((v % 24) < 3) level = 7 * 16;
                paint_pixel(image, x, y, biz_level(BIZ_STEEL, x, y, level));
                if ((v % 24) == 12 && x % 5 == 0)
                    paint_pixel(image, x, y,
                                biz_col(biz_hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 4) % 2
                                            ? BIZ_GREEN
                                            : BIZ_RED,
                                        13));
            }
        }
    }
    paint_chair(image, 160, 104, 134, BIZ_NAVY, 5);
    // a low operator desk in front
    PaintPoint lid[] = {{96, 134}, {224, 134}, {236, 146}, {84, 146}};
    biz_polygon_field(image, lid, 4, BIZ_STEEL, [&](int32_t, int32_t y) { return 10 * 16 + (y - 134) * 3; });
    biz_gradient(image, 84, 147, 236, 178, BIZ_STEEL, 6, 3, false);
    paint_rect(image, 84, 147, 236, 147, biz_col(BIZ_TEAL, 12));
    biz_block(image, 110, 120, 140, 138, BIZ_STEEL, 3);
    biz_gradient(image, 112, 122, 138, 134, BIZ_GREEN, 8, 3, false);
    for (int32_t y = 124; y < 134; y += 3)
        paint_rect(image, 114, y, 114 + (y * 7) % 20, y, biz_col(BIZ_GREEN, 13));
    biz_block(image, 178, 138, 214, 143, BIZ_STEEL, 9);  // keyboard
    for (int32_t x = 180; x < 212; x += 2) paint_pixel(image, x, 140, biz_col(BIZ_STEEL, 4));
}

}  // namespace

void paint_biz_office(int32_t style, PictureImage* image) {
    const OfficeLook& o = LOOKS[style];
    paint_clear(image, 0);
    paint_shell(image, o);
    switch (style) {
        case 0:
            paint_study(image, o);
            break;
        case 1:
            paint_modern(image, o);
            break;
        case 2:
            paint_cabin(image, o);
            break;
        default:
            paint_control_room(image, o);
            break;
    }
    paint_rect(image, 0, 188, 319, 199, 0);
}
