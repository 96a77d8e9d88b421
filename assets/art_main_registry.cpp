// Picture 41: the registry office where new shipping companies are entered. The game's set-up
// forms cover the middle of the wall, so the room shows round them: the clock over the forms, a
// tall window onto the harbour and a filing cabinet on the left, shelves of registers on the right,
// panelling and the counter below.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"
#include "assets/fixed_math.h"

namespace {

constexpr int32_t WALL = 33;     // 12 steps, green wallpaper
constexpr int32_t PANEL = 45;    // 16 steps, dark oak
constexpr int32_t SKY = 61;      // 8 steps, morning sky through the window
constexpr int32_t HARBOUR = 69;  // 4 steps, far quays and ships
constexpr int32_t BRASS = 73;    // 10 steps
constexpr int32_t SPINES = 83;   // 5 colours x 4 steps
constexpr int32_t FACE = 103;    // 4 steps, clock face and paper
constexpr int32_t PLASTER = 107; // 8 steps, ceiling and cornice
constexpr int32_t SEA = 115;     // 4 steps
constexpr int32_t BLACK = 119;
constexpr int32_t STEEL = 120;   // 6 steps, the filing cabinet
constexpr int32_t RED = 126;     // 3 steps

constexpr int32_t CORNICE_Y = 8, RAIL_Y = 118, COUNTER_Y = 188;

void palette(PictureImage* image) {
    paint_palette_set(image, 32, 63, 0, 63);
    main_ramp(image, WALL, 12, 6, 12, 8, 30, 40, 28);
    main_ramp(image, PANEL, 16, 6, 3, 1, 44, 28, 14);
    main_ramp(image, SKY, 8, 30, 42, 56, 60, 58, 48);
    main_ramp(image, HARBOUR, 4, 14, 18, 26, 36, 40, 46);
    main_ramp(image, BRASS, 10, 16, 10, 3, 63, 54, 28);
    main_ramp(image, SPINES, 4, 20, 4, 4, 46, 14, 12);
    main_ramp(image, SPINES + 4, 4, 4, 12, 24, 14, 26, 48);
    main_ramp(image, SPINES + 8, 4, 4, 14, 6, 16, 36, 18);
    main_ramp(image, SPINES + 12, 4, 20, 14, 4, 50, 38, 14);
    main_ramp(image, SPINES + 16, 4, 14, 8, 4, 38, 26, 16);
    main_ramp(image, FACE, 4, 44, 42, 34, 63, 62, 56);
    main_ramp(image, PLASTER, 8, 24, 22, 18, 58, 56, 50);
    main_ramp(image, SEA, 4, 14, 24, 34, 34, 46, 54);
    paint_palette_set(image, BLACK, 2, 2, 2);
    main_ramp(image, STEEL, 6, 10, 12, 12, 42, 44, 42);
    main_ramp(image, RED, 3, 30, 4, 4, 58, 16, 12);
}

void walls(PictureImage* image) {
    // ceiling and cornice, wallpaper with a fine stripe, dado rail, panelling
    paint_gradient(image, 0, 0, 319, CORNICE_Y - 1, PLASTER + 2, 4, false);
    for (int32_t y = CORNICE_Y; y < CORNICE_Y + 6; ++y)
        paint_rect(image, 0, y, 319, y, PLASTER + (y - CORNICE_Y < 3 ? 7 - (y - CORNICE_Y) : 1 + (y - CORNICE_Y)));
    for (int32_t x = 0; x < 320; x += 6) paint_rect(image, x, CORNICE_Y + 4, x + 2, CORNICE_Y + 5, PLASTER + 1);
    for (int32_t y = CORNICE_Y + 6; y < RAIL_Y; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t pos = 170 - (y - CORNICE_Y) / 2 + ((x % 12) < 2 ? 40 : 0) + ((x % 12) == 6 ? -30 : 0);
            // a small diamond pattern between the stripes
            if ((x % 12) >= 3 && (x % 12) <= 9 && std::abs((x % 12) - 6) + std::abs((y % 12) - 6) == 3) pos -= 45;
            paint_pixel(image, x, y, main_shade(x, y, WALL, 12, pos));
        }
    // the dado rail
    paint_rect(image, 0, RAIL_Y, 319, RAIL_Y, PANEL + 14);
    paint_rect(image, 0, RAIL_Y + 1, 319, RAIL_Y + 3, PANEL + 10);
    paint_rect(image, 0, RAIL_Y + 4, 319, RAIL_Y + 4, PANEL + 3);
    // raised panels below it
    for (int32_t y = RAIL_Y + 5; y < COUNTER_Y; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t grain = main_smooth_noise(x * 3, y / 3, 6, 8);
            paint_pixel(image, x, y, main_shade(x, y, PANEL, 16, 110 + (grain - 128) / 3));
        }
    for (int32_t px = 4; px < 320; px += 52)
        paint_bevel(image, px, RAIL_Y + 12, px + 44, COUNTER_Y - 8, PANEL + 12, PANEL + 2, true);
    // the counter's top edge along the bottom
    paint_rect(image, 0, COUNTER_Y, 319, COUNTER_Y, PANEL + 15);
    for (int32_t y = COUNTER_Y + 1; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x)
            paint_pixel(image, x, y, main_shade(x, y, PANEL, 16, 200 - (y - COUNTER_Y) * 14 + main_hash(x / 4, y, 2) / 10));
    // a blotter, papers and the registry stamp on the counter
    paint_rect(image, 118, 191, 200, 199, SPINES + 9);
    paint_rect(image, 118, 191, 200, 191, SPINES + 11);
    paint_rect(image, 130, 193, 160, 199, FACE + 3);
    paint_rect(image, 134, 195, 156, 195, FACE);
    paint_rect(image, 134, 197, 150, 197, FACE);
    paint_rect(image, 226, 192, 236, 199, PANEL + 4);
    paint_rect(image, 228, 190, 234, 191, BRASS + 6);
    paint_rect(image, 230, 186, 232, 189, PANEL + 13);
}

void window(PictureImage* image) {
    int32_t x0 = 8, y0 = 24, x1 = 52, y1 = 112;
    paint_rect(image, x0 - 4, y0 - 4, x1 + 4, y1 + 5, PANEL + 8);
    paint_bevel(image, x0 - 4, y0 - 4, x1 + 4, y1 + 5, PANEL + 12, PANEL + 3, false);
    // the harbour outside: sky, far cranes and ships, the water of the basin
    paint_gradient(image, x0, y0, x1, y1 - 30, SKY + 7, 1, false);
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            if (y < y1 - 30) paint_pixel(image, x, y, main_shade(x, y, SKY, 8, 60 + (y - y0) * 190 / 60));
            else if (y < y1 - 26) paint_pixel(image, x, y, HARBOUR + 1);
            else paint_pixel(image, x, y, main_shade(x, y, SEA, 4, 80 + (y - (y1 - 26)) * 6 + main_hash(x, y, 3) / 4));
        }
    int32_t quay = y1 - 30;
    for (int32_t cx : {16, 40}) {  // two cranes
        paint_rect(image, cx, quay - 26, cx + 1, quay, HARBOUR);
        paint_line(image, cx - 6, quay - 24, cx + 12, quay - 28, HARBOUR);
        paint_line(image, cx + 10, quay - 27, cx + 10, quay - 14, HARBOUR + 2);
    }
    main_ship_silhouette(image, x0 + 4, quay + 4, 32, HARBOUR, -1);
    // the glazing bars
    paint_rect(image, (x0 + x1) / 2, y0, (x0 + x1) / 2 + 1, y1, PANEL + 10);
    for (int32_t y = y0 + 21; y < y1; y += 22) paint_rect(image, x0, y, x1, y + 1, PANEL + 10);
    paint_rect(image, x0 - 6, y1 + 5, x1 + 6, y1 + 7, PANEL + 13);  // sill
}

void cabinet(PictureImage* image) {
    int32_t x0 = 6, x1 = 54, y0 = 128, y1 = COUNTER_Y - 1;
    paint_rect(image, x0, y0, x1, y1, STEEL + 3);
    paint_bevel(image, x0, y0, x1, y1, STEEL + 5, STEEL, false);
    for (int32_t k = 0; k < 3; ++k) {
        int32_t dy0 = y0 + 3 + k * 19;
        paint_bevel(image, x0 + 3, dy0, x1 - 3, dy0 + 16, STEEL + 5, STEEL + 1, false);
        paint_rect(image, (x0 + x1) / 2 - 6, dy0 + 7, (x0 + x1) / 2 + 6, dy0 + 8, BRASS + 7);
        paint_rect(image, (x0 + x1) / 2 - 4, dy0 + 3, (x0 + x1) / 2 + 4, dy0 + 5, FACE + 2);
    }
}

void shelves(PictureImage* image) {
    int32_t x0 = 264, x1 = 316;
    paint_rect(image, x0 - 2, 16, x1 + 2, COUNTER_Y - 1, PANEL + 3);
    paint_bevel(image, x0 - 2, 16, x1 + 2, COUNTER_Y - 1, PANEL + 10, PANEL + 1, false);
    MainNoise noise = {41};
    for (int32_t shelf = 0; shelf < 5; ++shelf) {
        int32_t base = 48 + shelf * 34;
        paint_rect(image, x0, base, x1, base + 2, PANEL + 11);
        paint_rect(image, x0, base + 3, x1, base + 3, PANEL + 1);
        int32_t x = x0 + 1;
        while (x < x1 - 3) {
            int32_t w = main_noise_range(&noise, 4, 7);
            int32_t h = main_noise_range(&noise, 20, 29);
            int32_t colour = SPINES + 4 * main_noise_range(&noise, 0, 4);
            if (x + w > x1) break;
            bool lean = main_noise_range(&noise, 0, 9) == 0;
            for (int32_t col = 0; col < w; ++col) {
                int32_t top = base - h + (lean ? col : 0);
                int32_t pos = 60 + col * 190 / std::max(1, w - 1);
                for (int32_t y = top; y < base; ++y) paint_pixel(image, x + col, y, main_shade(x + col, y, colour, 4, pos));
            }
            paint_rect(image, x + 1, base - h + 4, x + w - 2, base - h + 5, BRASS + 8);   // gilt bands
            paint_rect(image, x + 1, base - 6, x + w - 2, base - 6, BRASS + 6);
            paint_rect(image, x + 1, base - h + 9, x + w - 2, base - h + 12, FACE + 1);   // label
            x += w + (main_noise_range(&noise, 0, 5) == 0 ? 2 : 0);
        }
    }
}

void clock(PictureImage* image) {
    int32_t cx = 160, cy = 21;
    main_ball(image, cx, cy, 14, 13, PANEL + 2, 12);
    main_ring(image, cx, cy, 11, 10, 2, BRASS + 6);
    paint_ellipse(image, cx, cy, 10, 9, FACE + 3);
    for (int32_t k = 0; k < 12; ++k) {
        uint32_t a = fixed_turn(k, 12);
        int32_t x = cx + fixed_sin_scaled(a, 8, 1);
        int32_t y = cy - fixed_cos_scaled(a, 7, 1);
        paint_pixel(image, x, y, BLACK);
        if (k % 3 == 0) paint_pixel(image, x + (k == 3 ? -1 : k == 9 ? 1 : 0), y + (k == 0 ? 1 : k == 6 ? -1 : 0), BLACK);
    }
    paint_line(image, cx, cy, cx + 4, cy - 3, BLACK);  // ten past ten
    paint_line(image, cx, cy, cx - 5, cy - 3, BLACK);
    paint_pixel(image, cx, cy, RED + 2);
    // the lamps on either side of it
    for (int32_t lx : {96, 224}) {
        paint_rect(image, lx, CORNICE_Y + 6, lx, 20, BRASS + 4);
        PaintPoint shade[] = {{lx - 7, 28}, {lx - 3, 20}, {lx + 3, 20}, {lx + 7, 28}};
        paint_polygon(image, shade, 4, BRASS + 5);
        paint_rect(image, lx - 7, 28, lx + 7, 28, BRASS + 8);
        paint_rect(image, lx - 3, 29, lx + 3, 31, FACE + 3);
        // a warm pool of light on the wallpaper below it
        for (int32_t y = 30; y < 46; ++y)
            for (int32_t x = lx - 20; x <= lx + 20; ++x) {
                int32_t c = paint_get(image, x, y);
                int32_t d = std::abs(x - lx) + (y - 30) * 2;
                if (c >= WALL && c < WALL + 11 && d < 24 && main_dither(x, y, 16 - d * 16 / 24)) paint_pixel(image, x, y, c + 1);
            }
    }
}

}  // namespace

void paint_registry_picture(PictureImage* image) {
    palette(image);
    walls(image);
    window(image);
    cabinet(image);
    shelves(image);
    clock(image);
}
