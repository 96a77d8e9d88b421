// Picture 1: the main screen. A steel console with brass fittings: the world map in the upper
// left, three side buttons on the right (fleet positions, office, ship broker), and along the
// bottom the run button, the day dial, the seven weekday boxes, the week and year fields and the
// well of the net-worth bars. The game copies the run button's two images out of this picture
// (the one for the running clock is kept in the net-worth well, which the game blanks on screen),
// inverts the side buttons while they are pressed, and draws the dial's hand, the numbers and
// the bars itself. Picture 37 (the letter paper) is painted here too: it shares this palette.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"
#include "assets/fixed_math.h"
#include "assets/art_main_map.h"

namespace {

constexpr int32_t RUN_W = 62, RUN_H = 38;
constexpr int32_t RUN_STOPPED_X = 10, RUN_STOPPED_Y = 162;
constexpr int32_t RUN_RUNNING_X = 253, RUN_RUNNING_Y = 159;
constexpr int32_t SIDE_X0 = 253, SIDE_X1 = 316, SIDE_H = 46;
constexpr int32_t SIDE_Y[3] = {16, 62, 108};
constexpr int32_t DIAL_X = 104, DIAL_Y = 180;
constexpr int32_t WEEKDAY_X = 138, WEEKDAY_Y0 = 167, WEEKDAY_Y1 = 177, WEEKDAY_STEP = 15;
constexpr int32_t WEEK_X0 = 144, YEAR_X0 = 205, FIELD_Y0 = 183, FIELD_Y1 = 193, FIELD_W = 16;

void rivet(PictureImage* image, int32_t x, int32_t y) {
    paint_pixel(image, x, y, MS_STEEL + 13);
    paint_pixel(image, x + 1, y, MS_STEEL + 9);
    paint_pixel(image, x, y + 1, MS_STEEL + 8);
    paint_pixel(image, x + 1, y + 1, MS_STEEL + 3);
}

// The console: brushed steel plates with seams and rivets.
void console(PictureImage* image) {
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t brush = main_hash(x / 3, y, 11) / 10 + main_smooth_noise(x, y, 16, 12) / 6;
            paint_pixel(image, x, y, main_shade(x, y, MS_STEEL + 5, 5, 90 + brush - y / 4));
        }
    // plate seams and their rivets
    for (int32_t y : {0, 147, 199}) paint_rect(image, 0, y, 319, y, MS_STEEL + 2);
    paint_rect(image, 0, 148, 251, 148, MS_STEEL + 11);
    for (int32_t x = 4; x < 252; x += 24) {
        rivet(image, x, 150);
        rivet(image, x, 196);
    }
    for (int32_t y = 4; y < 146; y += 20) rivet(image, 1, y + 16);
    // brass trim along the top
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 252; ++x) {
            int32_t pos = y < 2 ? 240 : 200 - y * 10 + main_hash(x, y / 2, 4) / 10;
            paint_pixel(image, x, y, main_shade(x, y, MS_BRASS + 4, 10, pos));
        }
    paint_rect(image, 0, 15, 251, 15, MS_BRASS + 2);
}

void map_frame(PictureImage* image) {
    paint_bevel(image, MAP_X0 - 1, MAP_Y0 - 1, MAP_X1 + 1, MAP_Y1 + 1, MS_STEEL + 2, MS_STEEL + 12, false);
    paint_frame(image, MAP_X0 - 2, MAP_Y0 - 2, MAP_X1 + 2, MAP_Y1 + 2, MS_STEEL + 3);
}

// --- side buttons -----------------------------------------------------------------------------

void button_face(PictureImage* image, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    paint_frame(image, x0, y0, x1, y1, MS_STEEL + 1);
    for (int32_t y = y0 + 1; y < y1; ++y)
        for (int32_t x = x0 + 1; x < x1; ++x)
            paint_pixel(image, x, y, main_shade(x, y, MS_STEEL + 6, 6, 200 - (y - y0) * 150 / (y1 - y0)));
    paint_bevel(image, x0 + 1, y0 + 1, x1 - 1, y1 - 1, MS_STEEL + 14, MS_STEEL + 3, false);
    paint_bevel(image, x0 + 2, y0 + 2, x1 - 2, y1 - 2, MS_STEEL + 12, MS_STEEL + 5, false);
}

// Fleet positions: a globe with a ship's position pin on it.
void icon_fleet(PictureImage* image, int32_t cx, int32_t cy) {
    main_ball(image, cx, cy, 14, 14, MS_BLUE + 2, 12);
    for (int32_t y = -14; y <= 14; ++y)
        for (int32_t x = -14; x <= 14; ++x) {
            if (x * x + y * y > 13 * 13) continue;
            int32_t n = main_smooth_noise(x + 40, y + 40, 5, 91);
            if (n > 150) paint_pixel(image, cx + x, cy + y, main_shade(cx + x, cy + y, MS_GREEN + 3, 8, 255 - (x + y + 28) * 4));
        }
    main_ring(image, cx, cy, 14, 6, 1, MS_BLUE + 9);   // the equator and a meridian
    main_ring(image, cx, cy, 6, 14, 1, MS_BLUE + 9);
    main_ring(image, cx, cy, 15, 15, 1, MS_STEEL + 1);
    // the pin
    paint_line(image, cx + 5, cy - 1, cx + 5, cy - 9, MS_GREY + 2);
    main_ball(image, cx + 5, cy - 12, 4, 4, MS_RED + 4, 12);
    paint_pixel(image, cx + 5, cy, MS_GREY + 1);
}

// Office: a shipping house's front with lit windows and a door.
void icon_office(PictureImage* image, int32_t cx, int32_t cy) {
    int32_t x0 = cx - 14, x1 = cx + 14, y0 = cy - 10, y1 = cy + 15;
    PaintPoint roof[] = {{x0 - 2, y0}, {cx, y0 - 9}, {x1 + 2, y0}};
    paint_polygon(image, roof, 3, MS_RED + 5);
    paint_line(image, x0 - 2, y0, cx, y0 - 9, MS_RED + 10);
    paint_line(image, cx + 1, y0 - 8, x1 + 2, y0, MS_RED + 3);
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            paint_pixel(image, x, y, main_shade(x, y, MS_WOOD + 6, 8, ((y - y0) % 3 == 0 ? 80 : 200) - (x - x0) * 3));
    for (int32_t row = 0; row < 2; ++row)
        for (int32_t col = 0; col < 4; ++col) {
            int32_t wx = x0 + 3 + col * 7, wy = y0 + 3 + row * 7;
            if (row == 1 && (col == 1 || col == 2)) continue;
            paint_rect(image, wx, wy, wx + 3, wy + 4, MS_BRASS + 13);
            paint_rect(image, wx, wy, wx + 3, wy, MS_BRASS + 8);
        }
    paint_rect(image, cx - 3, y1 - 9, cx + 3, y1, MS_WOOD + 2);
    paint_rect(image, cx - 3, y1 - 9, cx + 3, y1 - 9, MS_BRASS + 10);
    paint_pixel(image, cx + 2, y1 - 4, MS_BRASS + 15);
    paint_rect(image, x0 - 1, y1 + 1, x1 + 1, y1 + 1, MS_STEEL + 2);
}

// Ship broker: a ship for sale with a stack of gold coins.
void icon_broker(PictureImage* image, int32_t cx, int32_t cy) {
    int32_t water = cy + 6;
    PaintPoint hull[] = {{cx - 22, water - 6}, {cx + 14, water - 6}, {cx + 20, water - 9}, {cx + 16, water}, {cx - 20, water}};
    paint_polygon(image, hull, 5, MS_BLUE + 4);
    paint_rect(image, cx - 21, water - 6, cx + 14, water - 6, MS_BLUE + 10);
    paint_rect(image, cx - 19, water - 1, cx + 16, water, MS_RED + 5);
    paint_rect(image, cx - 18, water - 13, cx - 8, water - 7, MS_GREY + 14);
    paint_rect(image, cx - 18, water - 13, cx - 8, water - 13, MS_GREY + 15);
    for (int32_t x = cx - 16; x < cx - 8; x += 3) paint_pixel(image, x, water - 11, MS_BLUE + 3);
    paint_rect(image, cx - 15, water - 18, cx - 12, water - 14, MS_RED + 8);
    paint_rect(image, cx - 15, water - 18, cx - 12, water - 17, MS_GREY + 1);
    for (int32_t k = 0; k < 3; ++k) paint_rect(image, cx - 5 + k * 6, water - 10, cx - 1 + k * 6, water - 7, MS_GREEN + 6 + k * 2);
    for (int32_t x = -24; x <= 24; ++x) paint_pixel(image, cx + x, water + 1 + ((x + 24) / 4) % 2, MS_BLUE + 9);
    // the coins, stacked, lower right
    int32_t sx = cx + 14, sy = cy + 15;
    for (int32_t k = 0; k < 5; ++k) {
        int32_t y = sy - k * 2;
        paint_ellipse(image, sx, y, 5, 2, MS_BRASS + 7);
        paint_rect(image, sx - 5, y, sx + 5, y, MS_BRASS + 5);
        paint_rect(image, sx - 3, y - 1, sx + 3, y - 1, MS_BRASS + 12);
    }
    paint_ellipse(image, sx, sy - 10, 5, 2, MS_BRASS + 13);
    paint_rect(image, sx - 2, sy - 10, sx + 2, sy - 10, MS_BRASS + 9);
}

void side_buttons(PictureImage* image) {
    // the column the buttons sit in
    paint_rect(image, 252, 0, 319, 199, MS_STEEL + 4);
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 252; x < 320; ++x)
            paint_pixel(image, x, y, main_shade(x, y, MS_STEEL + 4, 4, 120 + main_hash(x / 3, y, 13) / 8));
    paint_rect(image, 252, 0, 252, 199, MS_STEEL + 11);
    paint_rect(image, 317, 0, 319, 199, MS_STEEL + 3);
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 252; x < 320; ++x) {
            int32_t pos = y < 2 ? 240 : 200 - y * 10 + main_hash(x, y / 2, 4) / 10;
            paint_pixel(image, x, y, main_shade(x, y, MS_BRASS + 4, 10, pos));
        }
    for (int32_t k = 0; k < 3; ++k) {
        int32_t y0 = SIDE_Y[k], y1 = y0 + SIDE_H - 1;
        button_face(image, SIDE_X0, y0, SIDE_X1, y1);
        int32_t cx = (SIDE_X0 + SIDE_X1) / 2 + 1, cy = (y0 + y1) / 2;
        if (k == 0) icon_fleet(image, cx - 2, cy + 1);
        if (k == 1) icon_office(image, cx, cy + 1);
        if (k == 2) icon_broker(image, cx, cy);
        // the key's digit in the corner
        main_digit(image, SIDE_X0 + 5, y0 + 5, k + 1, 1, MS_STEEL + 2);
        main_digit(image, SIDE_X0 + 4, y0 + 4, k + 1, 1, MS_STEEL + 14);
    }
}

// --- the lower panel ---------------------------------------------------------------------------

// The run button image: a round-cornered brass-rimmed push button in a dark well. Both images share
// their outer rows and columns, so either fits the well it is copied into.
void run_button(PictureImage* image, int32_t x0, int32_t y0, bool running) {
    int32_t x1 = x0 + RUN_W - 1, y1 = y0 + RUN_H - 1;
    paint_rect(image, x0, y0, x1, y1, MS_STEEL + 1);
    paint_rect(image, x0 + 1, y0 + 1, x1 - 1, y1 - 1, MS_STEEL + 2);
    // brass rim
    int32_t bx0 = x0 + 3, by0 = y0 + 3, bx1 = x1 - 3, by1 = y1 - 3;
    for (int32_t y = by0; y <= by1; ++y)
        for (int32_t x = bx0; x <= bx1; ++x) {
            bool corner = (x - bx0 < 2 || bx1 - x < 2) && (y - by0 < 2 || by1 - y < 2);
            if (corner && (x == bx0 || x == bx1) && (y == by0 || y == by1)) continue;
            int32_t pos = 220 - (x - bx0) * 60 / (bx1 - bx0) - (y - by0) * 100 / (by1 - by0);
            paint_pixel(image, x, y, main_shade(x, y, MS_BRASS + 2, 13, pos));
        }
    // the face: raised while stopped, pressed in while running
    int32_t fx0 = bx0 + 3, fy0 = by0 + 3, fx1 = bx1 - 3, fy1 = by1 - 3;
    int32_t face = running ? MS_GREEN : MS_RED;
    for (int32_t y = fy0; y <= fy1; ++y)
        for (int32_t x = fx0; x <= fx1; ++x) {
            int32_t t = (y - fy0) * 255 / (fy1 - fy0);
            int32_t pos = running ? 60 + t / 3 : 190 - t / 2;
            paint_pixel(image, x, y, main_shade(x, y, face + 2, 10, pos));
        }
    paint_bevel(image, fx0, fy0, fx1, fy1, running ? face + 1 : face + 13, running ? face + 9 : face + 1, false);
    paint_bevel(image, fx0 - 1, fy0 - 1, fx1 + 1, fy1 + 1, MS_BRASS + 1, MS_BRASS + 14, false);
    int32_t cx = (fx0 + fx1) / 2 + (running ? 1 : 0), cy = (fy0 + fy1) / 2 + (running ? 1 : 0);
    if (running) {
        // two bars: press to stop the clock
        paint_rect(image, cx - 7, cy - 7, cx - 3, cy + 7, MS_GREY + 2);
        paint_rect(image, cx + 3, cy - 7, cx + 7, cy + 7, MS_GREY + 2);
        paint_rect(image, cx - 8, cy - 8, cx - 4, cy + 6, MS_GREEN + 15);
        paint_rect(image, cx + 2, cy - 8, cx + 6, cy + 6, MS_GREEN + 15);
    } else {
        // a triangle: press to start the clock
        PaintPoint shadow[] = {{cx - 5, cy - 8}, {cx + 9, cy + 1}, {cx - 5, cy + 10}};
        PaintPoint arrow[] = {{cx - 6, cy - 9}, {cx + 8, cy}, {cx - 6, cy + 9}};
        paint_polygon(image, shadow, 3, MS_RED + 1);
        paint_polygon(image, arrow, 3, MS_RED + 15);
    }
}

void day_dial(PictureImage* image) {
    // bezel with nine hour marks (one a hand position), the face black for the game's hand
    main_ball(image, DIAL_X, DIAL_Y, 21, 18, MS_BRASS + 2, 13);
    main_ring(image, DIAL_X, DIAL_Y, 18, 16, 1, MS_BRASS + 3);
    paint_ellipse(image, DIAL_X, DIAL_Y, 16, 14, 0);
    for (int32_t k = 0; k < 9; ++k) {
        uint32_t a = fixed_turn(10 + 40 * k, 360);
        int32_t x = DIAL_X + fixed_sin_scaled(a, 39, 2);
        int32_t y = DIAL_Y - fixed_cos_scaled(a, 17, 1);
        paint_pixel(image, x, y, MS_GREY + 1);
        paint_pixel(image, x + 1, y, MS_BRASS + 15);
    }
    // sun and moon above and below the pivot's marks: the dial counts a day
    main_ball(image, DIAL_X, DIAL_Y - 22, 3, 3, MS_BRASS + 8, 8);
    for (int32_t k = 0; k < 8; ++k) {
        uint32_t a = fixed_turn(k, 8);
        paint_pixel(image, DIAL_X + fixed_sin_scaled(a, 5, 1), DIAL_Y - 22 - fixed_cos_scaled(a, 5, 1),
                    MS_BRASS + 14);
    }
}

// A tiny calendar page (the week) or a circling arrow round a sun (the year).
void field_icons(PictureImage* image) {
    int32_t x = 130, y = 183;
    paint_rect(image, x, y, x + 10, y + 10, MS_PAPER + 14);
    paint_rect(image, x, y, x + 10, y + 2, MS_RED + 8);
    paint_frame(image, x, y, x + 10, y + 10, MS_STEEL + 1);
    for (int32_t k = 0; k < 7; ++k) paint_pixel(image, x + 2 + (k % 4) * 2, y + 5 + (k / 4) * 3, MS_INK + 2);
    int32_t cx = 196, cy = 188;
    main_ring(image, cx, cy, 5, 5, 1, MS_BRASS + 12);
    main_ball(image, cx, cy, 2, 2, MS_RED + 8, 8);
    paint_rect(image, cx + 3, cy - 6, cx + 5, cy - 6, MS_STEEL + 5);  // a gap and the arrow head
    paint_pixel(image, cx + 2, cy - 7, MS_BRASS + 12);
    paint_pixel(image, cx + 2, cy - 5, MS_BRASS + 12);
    paint_pixel(image, cx + 1, cy - 6, MS_BRASS + 12);
}

void lower_panel(PictureImage* image) {
    // the run button's well at (10, 162) holds the stopped image; the running one is kept in the
    // net-worth well, where the game blanks it
    run_button(image, RUN_STOPPED_X, RUN_STOPPED_Y, false);
    day_dial(image);
    // weekday boxes: grey outlines (the game marks the current day's in white), a digit in each
    paint_bevel(image, WEEKDAY_X - 3, WEEKDAY_Y0 - 3, WEEKDAY_X + 6 * WEEKDAY_STEP + 12, WEEKDAY_Y1 + 3, MS_STEEL + 2,
                MS_STEEL + 12, false);
    paint_rect(image, WEEKDAY_X - 2, WEEKDAY_Y0 - 2, WEEKDAY_X + 6 * WEEKDAY_STEP + 11, WEEKDAY_Y1 + 2, MS_STEEL + 3);
    for (int32_t d = 0; d < 7; ++d) {
        int32_t x0 = WEEKDAY_X + WEEKDAY_STEP * d;
        paint_rect(image, x0 + 1, WEEKDAY_Y0 + 1, x0 + 8, WEEKDAY_Y1 - 1, d >= 5 ? MS_RED + 2 : MS_STEEL + 1);
        paint_frame(image, x0, WEEKDAY_Y0, x0 + 9, WEEKDAY_Y1, 7);
        main_digit(image, x0 + 3, WEEKDAY_Y0 + 3, d + 1, 1, d >= 5 ? MS_RED + 14 : MS_STEEL + 14);
    }
    // week and year fields: sunken, black for the game's numbers
    for (int32_t fx : {WEEK_X0, YEAR_X0}) {
        paint_bevel(image, fx - 1, FIELD_Y0 - 1, fx + FIELD_W, FIELD_Y1 + 1, MS_STEEL + 2, MS_STEEL + 12, false);
        paint_rect(image, fx, FIELD_Y0, fx + FIELD_W - 1, FIELD_Y1, 0);
    }
    field_icons(image);
    // a brass compass rose as the console's badge, right of the fields
    int32_t rx = 236, ry = 188;
    main_ball(image, rx, ry, 8, 8, MS_BRASS + 2, 12);
    PaintPoint ns[] = {{rx, ry - 7}, {rx + 2, ry}, {rx, ry + 7}, {rx - 2, ry}};
    PaintPoint ew[] = {{rx - 7, ry}, {rx, ry - 2}, {rx + 7, ry}, {rx, ry + 2}};
    paint_polygon(image, ew, 4, MS_BRASS + 5);
    paint_polygon(image, ns, 4, MS_STEEL + 2);
    PaintPoint north[] = {{rx, ry - 7}, {rx + 2, ry}, {rx - 2, ry}};
    paint_polygon(image, north, 3, MS_RED + 10);
}

// The net-worth well at the lower right: a sunken black pit framed just outside the area the
// game fills, holding the spare run-button image.
void net_worth_well(PictureImage* image) {
    paint_rect(image, 252, 154, 316, 199, MS_STEEL + 2);
    paint_rect(image, 252, 154, 316, 154, MS_STEEL + 1);
    paint_rect(image, 252, 154, 252, 199, MS_STEEL + 1);
    paint_rect(image, 315, 155, 316, 199, MS_STEEL + 11);
    paint_rect(image, 253, 197, 316, 199, MS_STEEL + 10);
    paint_rect(image, 253, 155, 314, 196, 0);
    run_button(image, RUN_RUNNING_X, RUN_RUNNING_Y, true);
}

}  // namespace

void paint_main_screen_pictures(PictureImage* screen, PictureImage* letter) {
    main_screen_palette(screen);
    console(screen);
    map_frame(screen);
    paint_world_map(screen, g_coastlines);
    side_buttons(screen);
    lower_panel(screen);
    net_worth_well(screen);
    // the product name engraved in the brass trim over the map
    main_logo(screen, 8, 1, 1, MS_BRASS + 8, 8, MS_BRASS + 1, -1);
    main_screen_palette(letter);
    paint_letter_paper(letter);
}
