// Picture 37: the letter paper laid over the world map. A sheet of light laid paper with deckled
// edges and a shadow; whatever lies outside the paper is the colour the game leaves out, so the
// map shows around it. The game types the letter in black on the paper and puts its OK box at the
// lower left.
#include <algorithm>
#include <cstdlib>

#include "assets/art_main.h"

namespace {

// The paper's outline: left, top and bottom edges are torn a little; the right edge runs along the
// sheet's last column, where the lines of text may reach.
bool on_paper(int32_t x, int32_t y) {
    int32_t left = 3 + main_smooth_noise(0, y, 3, 71) / 86;     // 3..5
    int32_t top = 1 + main_smooth_noise(x, 0, 3, 72) / 128;     // 1..2
    int32_t bottom = 110 + main_smooth_noise(x, 0, 3, 73) / 86;  // 110..112
    return x >= left && y >= top && y <= bottom && x <= LETTER_SHEET_W - 1;
}

// A faint compass rose pressed into the paper behind the text.
bool watermark(int32_t x, int32_t y) {
    int32_t cx = 104, cy = 54;
    int32_t dx = x - cx, dy = y - cy;
    int32_t ax = std::abs(dx), ay = std::abs(dy);
    int32_t r2 = dx * dx + dy * dy;
    if (r2 >= 30 * 30 && r2 < 32 * 32) return true;                        // outer ring
    if (r2 >= 22 * 22 && r2 < 23 * 23) return true;                        // inner ring
    if (ay <= 28 && ax * 28 <= (28 - ay) * 4) return true;                 // north-south needle
    if (ax <= 28 && ay * 28 <= (28 - ax) * 4) return true;                 // east-west needle
    if (std::abs(ax - ay) <= 1 && ax + ay <= 26 && ax + ay >= 4) return true;  // diagonals
    return false;
}

}  // namespace

void paint_letter_paper(PictureImage* image) {
    paint_clear(image, LETTER_KEY);
    for (int32_t y = 0; y < LETTER_SHEET_H; ++y)
        for (int32_t x = 0; x < LETTER_SHEET_W; ++x) {
            if (!on_paper(x, y)) {
                // a soft shadow to the lower left of the sheet, over the map
                if (on_paper(x + 2, y - 2) && main_dither(x, y, 10)) paint_pixel(image, x, y, 0);
                continue;
            }
            // paper: light in the middle, a little darker and warmer towards its edges, with fibres
            int32_t ex = std::min(x - 3, LETTER_SHEET_W - 1 - x) + 4, ey = std::min(y - 1, 112 - y);
            int32_t edge = std::min(ex, ey);
            int32_t pos = 255 - std::max(0, 18 - edge) * 7;
            pos -= (main_smooth_noise(x, y, 6, 5) - 128) / 10 + (main_hash(x, y, 9) < 18 ? 24 : 0);
            pos = std::clamp(pos, 150, 255);
            int32_t colour = main_shade(x, y, MS_PAPER + 8, 8, (pos - 150) * 255 / 105);
            if (watermark(x, y)) colour = std::max(MS_PAPER + 8, colour - 2);
            paint_pixel(image, x, y, colour);
        }
    // the paper's own edge: a darker rim where it was torn
    for (int32_t y = 0; y < LETTER_SHEET_H; ++y)
        for (int32_t x = 0; x < LETTER_SHEET_W; ++x)
            if (on_paper(x, y) && (!on_paper(x - 1, y) || !on_paper(x, y + 1) || !on_paper(x, y - 1)))
                paint_pixel(image, x, y, MS_PAPER + 6);
    // faint ruled lines under the text lines (the heading at row 8, lines from row 18, 10 apart)
    for (int32_t line = 0; line < 9; ++line) {
        int32_t y = 17 + 10 * line;
        for (int32_t x = 12; x < LETTER_SHEET_W - 4; ++x)
            if ((x & 1) == 0) paint_pixel(image, x, y, MS_PAPER + 10);
    }
    // the shipping office's mark: a red wax seal with an anchor at the lower right
    // (below the writing area, overlapping the paper's lower edge)
    int32_t sx = 176, sy = 105;
    for (int32_t a = 0; a < 12; ++a) {  // wavy rim of the wax
        static const int32_t ox[12] = {6, 5, 3, 0, -3, -5, -6, -5, -3, 0, 3, 5};
        static const int32_t oy[12] = {0, 3, 5, 6, 5, 3, 0, -3, -5, -6, -5, -3};
        paint_ellipse(image, sx + ox[a], sy + oy[a], 1, 1, MS_RED + 5);
    }
    main_ball(image, sx, sy, 6, 6, MS_RED + 3, 9);
    paint_rect(image, sx, sy - 3, sx, sy + 3, MS_RED + 14);           // anchor shank
    paint_rect(image, sx - 2, sy - 2, sx + 2, sy - 2, MS_RED + 14);   // stock
    paint_pixel(image, sx - 1, sy - 4, MS_RED + 14);                   // ring
    paint_pixel(image, sx + 1, sy - 4, MS_RED + 14);
    paint_line(image, sx - 3, sy + 1, sx - 1, sy + 3, MS_RED + 14);    // arms
    paint_line(image, sx + 3, sy + 1, sx + 1, sy + 3, MS_RED + 14);
    // the wax's shadow on the paper
    for (int32_t y = sy - 8; y <= sy + 10; ++y)
        for (int32_t x = sx - 10; x <= sx + 8; ++x) {
            int32_t c = paint_get(image, x, y);
            int32_t r = paint_get(image, x + 2, y - 2);
            if (c >= MS_PAPER + 8 && c < MS_PAPER + 16 && r >= MS_RED && r < MS_RED + 16)
                paint_pixel(image, x, y, MS_PAPER + 5);
        }
}
