// Picture 36: the harbour sheet shown at every port call. A harbour master's desk: the arrival
// report on a sheet of paper (black text goes on it), a brass-framed window for the port view
// (New York's own view painted in it, since that port copies none), five menu plates with an icon
// each, and a dark slate panel for the port description in cyan.
#include <memory>

#include "assets/art_voyage_harbour.h"

namespace {

// The five menu plates: first row and height (the game's hot zones, x 40..110).
struct MenuPlate {
    int32_t y, h;
};
constexpr MenuPlate PLATES[5] = {{133, 11}, {145, 11}, {157, 11}, {169, 11}, {181, 10}};
constexpr int32_t PLATE_X0 = 40, PLATE_X1 = 110;
// The four service plates carry their digit key 1..4; depart, the last plate, is taken with Enter
// and the yes keys, so its digit place stays plain.
constexpr int32_t KEYED_PLATES = 4;

// Ink and ground of the plates come from the paper ramp only, so a pressed (inverted) plate shows
// the same drawing as a clean negative.
constexpr int32_t INK = HB_PAPER + 1;
constexpr int32_t INK_SOFT = HB_PAPER + 5;
constexpr int32_t PLATE = HB_PAPER + 13;

void wood_wall(PictureImage* s) {
    VoyageNoise n{3636u};
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            int32_t plank = x / 23;
            int32_t grain = ((y + plank * 17) / 3 + (x * 3 + plank * 5) / 23) % 5;
            int32_t t = 5 + (grain == 0 ? 1 : 0) + (plank % 2);
            if (x % 23 == 0) t = 2;
            paint_pixel(s, x, y, HB_WOOD + t);
        }
    paint_noise(s, 0, 0, 319, 199, HB_WOOD + 4, 5, n.state);
}

void report_paper(PictureImage* s) {
    paint_rect(s, 13, 7, 177, 91, HB_NIGHT + 1);  // shadow
    paint_rect(s, 11, 5, 175, 89, HB_PAPER + 14);
    paint_gradient(s, 12, 6, 174, 88, HB_PAPER + 14, 2, true);
    // faint ruled lines between the report's rows
    for (int32_t k = 0; k < 9; ++k) paint_rect(s, 14, 15 + 9 * k, 172, 15 + 9 * k, HB_PAPER + 12);
    paint_frame(s, 11, 5, 175, 89, HB_PAPER + 10);
    // a pin at the top
    paint_ellipse(s, 93, 3, 1, 1, HB_RED + 8);
    paint_pixel(s, 93, 2, HB_RED + 14);
}

void view_frame(PictureImage* s) {
    paint_rect(s, 176, 14, 274, 87, HB_BRASS + 5);
    paint_bevel(s, 176, 14, 274, 87, HB_BRASS + 13, HB_BRASS + 3, false);
    paint_rect(s, 177, 15, 273, 86, HB_BRASS + 8);
    paint_bevel(s, 177, 15, 273, 86, HB_BRASS + 11, HB_BRASS + 4, false);
    paint_bevel(s, 178, 17, 271, 84, HB_BRASS + 2, HB_BRASS + 14, true);
    for (int32_t x : {180, 269})
        for (int32_t y : {15, 86}) paint_pixel(s, x, y, HB_BRASS + 15);  // rivets
}

void plate_icon(PictureImage* s, int32_t k, int32_t x, int32_t y) {
    // icons about 30 x 8, top-left (x, y)
    switch (k) {
        case 0:  // repair: a spanner crossed with a hammer
            paint_line(s, x + 2, y + 7, x + 12, y + 1, INK);
            paint_line(s, x + 3, y + 7, x + 13, y + 1, INK);
            paint_rect(s, x + 12, y, x + 14, y + 1, INK);
            paint_pixel(s, x + 13, y, PLATE);
            paint_rect(s, x + 18, y, x + 24, y + 2, INK);
            paint_rect(s, x + 20, y + 3, x + 21, y + 7, INK_SOFT);
            break;
        case 1:  // bunker: a fuel drum and a drop
            paint_rect(s, x + 2, y, x + 10, y + 7, INK);
            paint_rect(s, x + 3, y + 2, x + 9, y + 2, INK_SOFT);
            paint_rect(s, x + 3, y + 5, x + 9, y + 5, INK_SOFT);
            paint_pixel(s, x + 17, y, INK);
            paint_rect(s, x + 16, y + 2, x + 18, y + 2, INK);
            paint_ellipse(s, x + 17, y + 5, 2, 2, INK);
            paint_pixel(s, x + 16, y + 4, INK_SOFT);
            break;
        case 2:  // charter market: a crate hanging from a hook
            paint_rect(s, x + 10, y, x + 10, y + 2, INK);
            paint_rect(s, x + 8, y + 2, x + 12, y + 2, INK_SOFT);
            paint_rect(s, x + 4, y + 3, x + 16, y + 7, INK);
            paint_line(s, x + 5, y + 4, x + 15, y + 6, INK_SOFT);
            paint_rect(s, x + 20, y + 3, x + 28, y + 7, INK_SOFT);
            paint_frame(s, x + 20, y + 3, x + 28, y + 7, INK);
            break;
        case 3:  // lay up: an anchor
            paint_rect(s, x + 10, y + 1, x + 10, y + 7, INK);
            paint_frame(s, x + 9, y, x + 11, y + 1, INK);
            paint_rect(s, x + 7, y + 3, x + 13, y + 3, INK);
            paint_line(s, x + 5, y + 5, x + 8, y + 7, INK);
            paint_line(s, x + 15, y + 5, x + 12, y + 7, INK);
            paint_rect(s, x + 8, y + 7, x + 12, y + 7, INK);
            break;
        default:  // depart: a ship and an arrow out to sea
            paint_rect(s, x + 2, y + 4, x + 14, y + 6, INK);
            paint_pixel(s, x + 15, y + 4, INK);
            paint_rect(s, x + 4, y + 2, x + 8, y + 3, INK_SOFT);
            paint_rect(s, x + 6, y, x + 7, y + 1, INK);
            paint_rect(s, x + 18, y + 4, x + 25, y + 4, INK);
            paint_line(s, x + 23, y + 2, x + 25, y + 4, INK);
            paint_line(s, x + 23, y + 6, x + 25, y + 4, INK);
            break;
    }
}

void menu(PictureImage* s) {
    // the brass board behind the plates
    paint_rect(s, 34, 128, 116, 195, HB_BRASS + 5);
    paint_bevel(s, 34, 128, 116, 195, HB_BRASS + 12, HB_BRASS + 2, false);
    paint_bevel(s, 36, 130, 114, 193, HB_BRASS + 3, HB_BRASS + 10, true);
    for (int32_t k = 0; k < 5; ++k) {
        const MenuPlate& p = PLATES[k];
        int32_t y0 = p.y, y1 = p.y + p.h - 1;
        paint_rect(s, PLATE_X0, y0, PLATE_X1, y1, PLATE);
        paint_bevel(s, PLATE_X0, y0, PLATE_X1, y1, HB_PAPER + 15, HB_PAPER + 7, false);
        int32_t top = y0 + (p.h - 9) / 2 + 1;
        if (k < KEYED_PLATES) voyage_digit(s, 45, y0 + (p.h - 5) / 2, k + 1, 1, INK);
        paint_rect(s, 51, y0 + 2, 51, y1 - 2, HB_PAPER + 10);
        plate_icon(s, k, 62, top);
    }
}

void description_panel(PictureImage* s) {
    paint_rect(s, 160, 119, 319, 199, HB_NAVY + 4);
    paint_gradient(s, 161, 120, 318, 198, HB_NAVY + 3, 3, false);
    paint_bevel(s, 160, 119, 319, 199, HB_NAVY + 9, HB_NAVY + 1, false);
    paint_rect(s, 160, 118, 319, 118, HB_WOOD + 2);
}

void decoration(PictureImage* s) {
    // desk edge under the report and the view
    paint_rect(s, 0, 96, 319, 99, HB_WOOD + 10);
    paint_rect(s, 0, 100, 319, 101, HB_WOOD + 3);
    // a ship's wheel at the lower left
    int32_t cx = 19, cy = 150;
    for (int32_t a = 0; a < 8; ++a) {
        static const int32_t dx[8] = {14, 10, 0, -10, -14, -10, 0, 10},
                             dy[8] = {0, 10, 14, 10, 0, -10, -14, -10};
        voyage_thick_line(s, cx, cy, cx + dx[a], cy + dy[a], 2, HB_WOOD + 9);
        paint_ellipse(s, cx + dx[a] * 17 / 14, cy + dy[a] * 17 / 14, 2, 2, HB_WOOD + 11);
    }
    paint_ellipse(s, cx, cy, 11, 11, HB_BRASS + 9);
    paint_ellipse(s, cx, cy, 9, 9, HB_WOOD + 5);
    for (int32_t a = 0; a < 8; ++a) {
        static const int32_t dx[8] = {9, 6, 0, -6, -9, -6, 0, 6}, dy[8] = {0, 6, 9, 6, 0, -6, -9, -6};
        paint_line(s, cx, cy, cx + dx[a], cy + dy[a], HB_WOOD + 9);
    }
    voyage_ball(s, cx, cy, 3, 3, HB_BRASS + 4, 10);
    // a coil of rope under the wheel
    for (int32_t r = 7; r >= 1; r -= 2) paint_ellipse(s, 19, 184, r + 4, r / 2 + 2, HB_SAND + 8 + r % 4);
    // a compass rose and a lamp between the menu and the panel
    voyage_ball(s, 137, 130, 12, 12, HB_BRASS + 3, 10);
    paint_ellipse(s, 137, 130, 9, 9, HB_PAPER + 13);
    PaintPoint needle_n[3] = {{135, 130}, {139, 130}, {137, 122}};
    PaintPoint needle_s[3] = {{135, 130}, {139, 130}, {137, 138}};
    paint_polygon(s, needle_n, 3, HB_RED + 9);
    paint_polygon(s, needle_s, 3, HB_NAVY + 5);
    for (int32_t t = 0; t < 4; ++t) {
        static const int32_t tx[4] = {0, 8, 0, -8}, ty[4] = {-8, 0, 8, 0};
        paint_pixel(s, 137 + tx[t], 130 + ty[t], INK);
    }
    // an oil lamp
    paint_rect(s, 131, 186, 143, 190, HB_BRASS + 7);
    paint_ellipse(s, 137, 175, 5, 8, HB_SNOW + 12);
    paint_ellipse(s, 137, 177, 2, 4, HB_WARM + 14);
    paint_rect(s, 133, 166, 141, 167, HB_BRASS + 9);
    // signal flags on a line at the top right
    paint_line(s, 276, 4, 319, 10, HB_STONE + 10);
    static const int32_t flag_a[4] = {HB_RED + 9, HB_BRASS + 13, HB_SKY + 5, HB_SNOW + 15};
    static const int32_t flag_b[4] = {HB_SNOW + 15, HB_SKY + 5, HB_RED + 9, HB_NAVY + 4};
    for (int32_t f = 0; f < 4; ++f) {
        int32_t x = 280 + f * 10, y = 5 + f * 10 * 6 / 43;
        paint_rect(s, x, y + 1, x + 6, y + 10, flag_a[f]);
        paint_rect(s, x, y + 1, x + 2, y + 10, flag_b[f]);
        paint_rect(s, x, y + 5, x + 6, y + 6, flag_b[f]);
    }
    // a barometer on the wall
    voyage_ball(s, 297, 50, 16, 16, HB_BRASS + 3, 12);
    paint_ellipse(s, 297, 50, 12, 12, HB_PAPER + 14);
    for (int32_t t = -4; t <= 4; ++t) paint_pixel(s, 297 + t * 2, 42 + (t * t) / 4, INK);
    paint_line(s, 297, 50, 303, 43, INK);
    paint_ellipse(s, 297, 50, 1, 1, HB_BRASS + 6);
    // a ship's bell on the right of the desk
    paint_rect(s, 292, 104, 302, 105, HB_WOOD + 2);
    voyage_ball(s, 297, 112, 7, 6, HB_BRASS + 4, 11);
    paint_rect(s, 290, 114, 304, 116, HB_BRASS + 6);
}

}  // namespace

void paint_harbour_pictures(PictureImage* views14, PictureImage* views15, PictureImage* views16,
                            PictureImage* sheet) {
    paint_port_views(views14, views15, views16);
    harbour_palette(sheet);
    wood_wall(sheet);
    decoration(sheet);
    report_paper(sheet);
    view_frame(sheet);
    // New York has no view of its own in the port pictures: it is painted into the window
    auto canvas = std::make_unique<PictureImage>();
    paint_port_view(canvas.get(), 9);
    voyage_copy(sheet, PORT_VIEW_X, PORT_VIEW_Y, canvas.get(), 0, 0, PORT_VIEW_W, PORT_VIEW_H);
    menu(sheet);
    description_panel(sheet);
}
