// Picture 22: the radar console on the bridge. The scope disc holds only the scope ground (34) and
// the fixed marks (35 dim, 39 bright), since the game's sweep wipes everything else in it; the
// four instrument fields on the right are filled by the game, the picture frames and marks them.
#include <algorithm>

#include "assets/art_voyage.h"
#include "world/sine_table.h"

namespace {

constexpr int32_t CONSOLE = 32;  // 32 and 33: console shadow tones
constexpr int32_t SCOPE = 34;
constexpr int32_t MARK_DIM = 35;
constexpr int32_t BEZEL = 36;  // 36..38 bezel greys
constexpr int32_t MARK = 39;
constexpr int32_t METAL = 50;  // 50..65 console metal, dark to light
constexpr int32_t LAMP_RED = 66;
constexpr int32_t LAMP_GREEN = 68;
constexpr int32_t LAMP_AMBER = 70;
constexpr int32_t GLASS = 80;  // 80..95 bridge window: night sea and sky
constexpr int32_t BRASS = 96;  // 96..103

constexpr int32_t CX = 87, CY = 112;

void radar_palette(PictureImage* p) {
    paint_palette_set(p, CONSOLE, 10, 12, 14);
    paint_palette_set(p, CONSOLE + 1, 6, 7, 9);
    paint_palette_set(p, SCOPE, 0, 13, 5);
    paint_palette_set(p, MARK_DIM, 2, 28, 10);
    voyage_ramp(p, BEZEL, 3, 8, 9, 10, 26, 27, 28);
    paint_palette_set(p, MARK, 12, 48, 20);
    voyage_ramp(p, 40, 9, 14, 16, 18, 30, 32, 34);  // spare panel greys 40..48
    paint_palette_set(p, 49, 36, 63, 36);           // the sweep's phosphor
    voyage_ramp(p, METAL, 16, 6, 8, 10, 46, 48, 50);
    voyage_ramp(p, LAMP_RED, 2, 30, 2, 2, 63, 20, 16);
    voyage_ramp(p, LAMP_GREEN, 2, 2, 30, 6, 20, 63, 24);
    voyage_ramp(p, LAMP_AMBER, 2, 36, 20, 0, 63, 48, 10);
    voyage_ramp(p, GLASS, 16, 2, 4, 10, 20, 28, 40);
    voyage_ramp(p, BRASS, 8, 20, 14, 2, 60, 50, 20);
}

int32_t dist2(int32_t x, int32_t y) {
    return (x - CX) * (x - CX) + (y - CY) * (y - CY);
}

void panel(PictureImage* p, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    paint_gradient(p, x0, y0, x1, y1, METAL + 4, 5, false);
    paint_bevel(p, x0, y0, x1, y1, METAL + 12, METAL + 1, false);
    for (int32_t x : {x0 + 3, x1 - 3})
        for (int32_t y : {y0 + 3, y1 - 3}) {
            paint_pixel(p, x, y, METAL + 14);
            paint_pixel(p, x + 1, y + 1, METAL + 2);
        }
}

// A sunken frame one pixel outside a field the game fills.
void field_frame(PictureImage* p, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    paint_rect(p, x0 - 2, y0 - 2, x1 + 2, y1 + 2, CONSOLE + 1);
    paint_bevel(p, x0 - 2, y0 - 2, x1 + 2, y1 + 2, METAL + 1, METAL + 12, true);
}

void arrow(PictureImage* p, int32_t x, int32_t y, bool up, int32_t colour) {
    for (int32_t k = 0; k < 4; ++k)
        paint_rect(p, x - k, up ? y + k : y - k, x + k, up ? y + k : y - k, colour);
    paint_rect(p, x - 1, up ? y + 4 : y - 6, x + 1, up ? y + 6 : y - 4, colour);
}

}  // namespace

void paint_radar_picture(PictureImage* p) {
    radar_palette(p);
    // the bridge windows at the top: a night sea under a dim sky, window posts between
    paint_gradient(p, 0, 0, 319, 22, GLASS + 2, 6, false);
    paint_gradient(p, 0, 23, 319, 40, GLASS + 6, 5, false);
    for (int32_t y = 24; y < 40; y += 2)
        for (int32_t x = (y * 7) % 11; x < 320; x += 9 + (y % 5)) paint_rect(p, x, y, x + 2, y, GLASS + 2);
    paint_rect(p, 0, 22, 319, 22, GLASS + 11);
    for (int32_t x : {0, 106, 212, 316}) {
        paint_rect(p, x, 0, x + 3, 40, METAL + 3);
        paint_rect(p, x + 1, 0, x + 1, 40, METAL + 7);
    }
    // the console
    panel(p, 0, 41, 319, 199);
    paint_rect(p, 0, 41, 319, 43, METAL + 13);
    panel(p, 168, 48, 276, 176);
    panel(p, 280, 48, 316, 176);
    // the scope: bezel ring, then the disc in scope colours only
    for (int32_t y = CY - 72; y <= CY + 72; ++y)
        for (int32_t x = CX - 72; x <= CX + 72; ++x) {
            int32_t d = dist2(x, y);
            if (d > 72 * 72) continue;
            int32_t c;
            if (d <= 63 * 63 + 63)
                c = SCOPE;
            else if (d <= 65 * 65)
                c = BEZEL;
            else {
                // lit from the upper left
                int32_t light = (CX - x) + (CY - y);
                c = light > 20 ? METAL + 13 : (light > -20 ? METAL + 9 : METAL + 5);
            }
            paint_pixel(p, x, y, c);
        }
    for (int32_t k = 0; k < 6; ++k) {  // bezel screws
        static const int32_t sx[6] = {0, 60, 60, 0, -60, -60}, sy[6] = {-69, -35, 35, 69, 35, -35};
        paint_pixel(p, CX + sx[k], CY + sy[k], METAL + 1);
        paint_pixel(p, CX + sx[k] - 1, CY + sy[k] - 1, METAL + 15);
    }
    // range rings
    for (int32_t y = CY - 63; y <= CY + 63; ++y)
        for (int32_t x = CX - 63; x <= CX + 63; ++x) {
            int32_t d = dist2(x, y);
            for (int32_t r : {21, 42})
                if (d >= (r - 1) * (r - 1) + r - 1 && d < r * r + r) paint_pixel(p, x, y, MARK_DIM);
            if (d >= 61 * 61 + 61 && d <= 62 * 62 + 62) paint_pixel(p, x, y, MARK_DIM);
        }
    // bearing ticks every 10 degrees, longer and brighter every 30
    for (int32_t a = 0; a < 360; a += 10) {
        int32_t s = sin_deg(a), c = cos_deg(a);
        int32_t r0 = a % 30 == 0 ? 54 : 58;
        for (int32_t r = r0; r <= 60; ++r)
            paint_pixel(p, CX + s * r / 256, CY - c * r / 256, a % 30 == 0 ? MARK : MARK_DIM);
    }
    // heading line straight up, the own ship at the centre (bow up)
    for (int32_t y = CY - 60; y < CY - 9; y += 1) paint_pixel(p, CX, y, MARK);
    const PaintPoint own[] = {
        {CX, CY - 8}, {CX + 3, CY - 3}, {CX + 3, CY + 6}, {CX - 3, CY + 6}, {CX - 3, CY - 3}};
    paint_polygon(p, own, 5, MARK_DIM);
    for (int32_t i = 0; i < 5; ++i) {
        PaintPoint a = own[i], b = own[(i + 1) % 5];
        paint_line(p, a.x, a.y, b.x, b.y, MARK);
    }
    // the four instrument fields and their marks
    field_frame(p, 203, 59, 222, 118);  // engine telegraph
    arrow(p, 212, 51, true, LAMP_GREEN + 1);
    arrow(p, 212, 127, false, LAMP_RED + 1);
    for (int32_t y = 59; y <= 118; y += 8) paint_rect(p, 197, y, 199, y, METAL + 14);
    paint_rect(p, 195, 90, 199, 90, LAMP_AMBER + 1);  // stop
    paint_rect(p, 226, 90, 230, 90, LAMP_AMBER + 1);
    field_frame(p, 242, 59, 254, 118);  // speed
    for (int32_t k = 0; k < 3; ++k) {   // chevrons: speed through the water
        int32_t y = 50 - k * 3 + 2;
        paint_line(p, 244, y + 2, 248, y - 1, METAL + 14);
        paint_line(p, 248, y - 1, 252, y + 2, METAL + 14);
    }
    for (int32_t y = 59; y <= 118; y += 8) paint_rect(p, 257, y, 259, y, METAL + 14);
    paint_rect(p, 257, 90, 261, 90, LAMP_AMBER + 1);
    field_frame(p, 185, 130, 264, 141);  // heading
    voyage_ball(p, 176, 135, 5, 5, BRASS, 8);
    paint_line(p, 176, 130, 176, 134, LAMP_RED + 1);
    paint_line(p, 176, 136, 176, 140, METAL + 15);
    field_frame(p, 185, 155, 264, 164);  // rudder: port red on the left, starboard green on the right
    paint_rect(p, 185, 168, 200, 170, LAMP_RED);
    paint_rect(p, 249, 168, 264, 170, LAMP_GREEN);
    for (int32_t x = 185; x <= 264; x += 10) paint_rect(p, x, 151, x, 152, METAL + 14);
    paint_rect(p, 225, 149, 225, 152, LAMP_AMBER + 1);
    paint_rect(p, 225, 167, 225, 171, LAMP_AMBER + 1);
    // lamps and switches on the right panel, vents below the scope
    for (int32_t k = 0; k < 6; ++k) {
        int32_t y = 58 + k * 18;
        int32_t lamp = k % 3 == 0 ? LAMP_GREEN : (k % 3 == 1 ? LAMP_AMBER : LAMP_RED);
        voyage_ball(p, 290, y, 3, 3, lamp, 2);
        paint_rect(p, 300, y - 3, 306, y + 3, METAL + 2);
        paint_rect(p, 302, y - 2 + (k % 2) * 3, 304, y - 1 + (k % 2) * 3, METAL + 14);
    }
    for (int32_t y = 188; y < 196; y += 3) paint_rect(p, 20, y, 154, y, CONSOLE + 1);
    for (int32_t x = 180; x < 300; x += 12) voyage_ball(p, x, 188, 3, 3, METAL + 3, 9);
}
