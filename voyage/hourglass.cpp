#include "voyage/hourglass.h"

#include "engine/draw.h"

int32_t g_hourglass_present = 0;
int32_t g_hourglass_origin[2] = {};
int32_t g_hourglass_grains = 0;
int32_t g_hourglass_moved = 0;
int32_t g_hourglass_top_row = 0;
int32_t g_hourglass_top_offset = 0;
int32_t g_hourglass_bottom_row = 0;
int32_t g_hourglass_bottom_offset = 0;
int32_t g_hourglass_stream_phase = 0;

namespace {

void glass_pixel(int32_t x, int32_t y, uint32_t colour) {
    set_draw_color(colour);
    draw_pixel(g_hourglass_origin[0] + x, g_hourglass_origin[1] + y);
}

// The places of a row are taken from the middle outwards: 0, 1, -1, 2, -2, ... Returns true when
// the row is used up (the offset is back at 0 for the next row).
bool next_offset(int32_t* offset, int32_t x1) {
    int32_t k = *offset;
    int32_t next = k > 0 ? -k : -k + 1;
    if (HOURGLASS_STREAM_X + next > x1) {
        *offset = 0;
        return true;
    }
    *offset = next;
    return false;
}

}  // namespace

void hourglass_init(int32_t parity) {
    g_hourglass_grains = 0;
    if (g_hourglass_present == 0) return;
    for (const HourglassRow& r : g_hourglass_top_rows)
        for (int32_t x = r.x0; x <= r.x1; ++x) {
            glass_pixel(x, r.y, HOURGLASS_SAND_COLOUR);
            ++g_hourglass_grains;
        }
    g_hourglass_top_row = HOURGLASS_TOP_ROW_COUNT - 1;
    g_hourglass_bottom_row = 0;
    g_hourglass_top_offset = g_hourglass_bottom_offset = 0;
    int32_t first = parity != 0 ? 1 : 0;
    for (int32_t y = HOURGLASS_STREAM_TOP_Y; y <= HOURGLASS_BOTTOM_LAST_Y; ++y)
        if ((y & 1) == first) glass_pixel(HOURGLASS_STREAM_X, y, HOURGLASS_SAND_COLOUR);
    g_hourglass_moved = 0;
}

void hourglass_advance(int32_t tick, int32_t limit) {
    if (g_hourglass_present == 0) return;
    // a limit below 1 counts as 1, so that the glass never divides by zero
    int32_t due = g_hourglass_grains * tick / (limit < 1 ? 1 : limit);
    if (due > g_hourglass_grains) return;
    while (due > g_hourglass_moved) hourglass_move_grain();
    hourglass_stream_draw();
}

void hourglass_move_grain() {
    const HourglassRow& low = g_hourglass_bottom_rows[g_hourglass_bottom_row];
    glass_pixel(HOURGLASS_STREAM_X + g_hourglass_bottom_offset, low.y, HOURGLASS_SAND_COLOUR);
    if (g_hourglass_bottom_offset == 1) glass_pixel(HOURGLASS_STREAM_X, low.y - 1, HOURGLASS_SAND_COLOUR);
    if (next_offset(&g_hourglass_bottom_offset, low.x1) && g_hourglass_bottom_row < HOURGLASS_BOTTOM_ROW_COUNT - 1) {
        // the stream flickered over this row's middle while it was the top of the heap; the row
        // is full now, so its middle is sand again
        glass_pixel(HOURGLASS_STREAM_X, low.y, HOURGLASS_SAND_COLOUR);
        ++g_hourglass_bottom_row;
    }

    const HourglassRow& high = g_hourglass_top_rows[g_hourglass_top_row];
    glass_pixel(HOURGLASS_STREAM_X + g_hourglass_top_offset, high.y, HOURGLASS_GLASS_COLOUR);
    if (next_offset(&g_hourglass_top_offset, high.x1) && g_hourglass_top_row > 0) --g_hourglass_top_row;
    ++g_hourglass_moved;
}

void hourglass_stream_draw() {
    int32_t bottom = g_hourglass_bottom_rows[g_hourglass_bottom_row].y;
    for (int32_t y = HOURGLASS_STREAM_TOP_Y; y <= bottom; ++y)
        glass_pixel(HOURGLASS_STREAM_X, y,
                    ((g_hourglass_stream_phase + y) & 1) != 0 ? HOURGLASS_GLASS_COLOUR : HOURGLASS_SAND_COLOUR);
    g_hourglass_stream_phase ^= 1;
}

void hourglass_state_reset() {
    g_hourglass_present = 0;
    g_hourglass_origin[0] = g_hourglass_origin[1] = 0;
    g_hourglass_grains = g_hourglass_moved = 0;
    g_hourglass_top_row = g_hourglass_top_offset = 0;
    g_hourglass_bottom_row = g_hourglass_bottom_offset = 0;
    g_hourglass_stream_phase = 0;
}
