// One frame of the sinking scene. Only what moved is redrawn: an area is restored by copying it
// from the clean scene in the background buffer, sprites come from the sheet with colour 32
// transparent, and the wave band is laid over rows 72..74 every frame, over the ship too.
#include "engine/blit.h"
#include "engine/frame.h"
#include "voyage/sinking.h"

namespace {

const SinkRect& ship_sprite(int32_t model, int32_t tilt) {
    return g_sink_ship_sprites[model - 1 + tilt];
}

void restore(int32_t x, int32_t y, int32_t w, int32_t h) {
    blit_to_screen(g_background_buffer, x, y, x, y, w, h, BLIT_COPY);
}

// Sprite rows first_row .. first_row + rows - 1 at (x, y).
void sprite_rows(const SinkRect& r, int32_t first_row, int32_t rows, int32_t x, int32_t y) {
    blit_to_screen(g_sheet_buffer, r.x, r.y + first_row, x, y, r.w, rows, BLIT_KEY_32);
}

bool in_wave_band(int32_t row) {
    return row >= SINK_WAVE_TOP && row < SINK_WAVE_TOP + SINK_WAVE_H;
}

void ship_draw(SinkingScene* s) {
    if (s->x == s->drawn_x && s->y == s->drawn_y && s->tilt == s->drawn_tilt) return;
    int32_t lift = g_sink_ship_lift[s->model - 1];
    const SinkRect& now = ship_sprite(s->model, s->tilt);
    const SinkRect& old = ship_sprite(s->model, s->drawn_tilt);
    int32_t top = s->y - lift;
    int32_t old_top = s->drawn_y - lift;
    int32_t old_bottom = old_top + old.h - 1;
    bool same_tilt = s->tilt == s->drawn_tilt;
    if (same_tilt && top == old_top) {
        // a sideways move: each row is put back and drawn again at once, so nothing flickers
        for (int32_t row = old_top; row <= old_bottom; ++row) {
            if (in_wave_band(row)) continue;
            restore(s->drawn_x, row, old.w, 1);
            sprite_rows(now, row - top, 1, s->x, row);
        }
    } else if (same_tilt && top > old_top && old_bottom > top) {
        // sinking by a few rows: the rows it left at once, the overlap row by row, then the rest
        restore(s->drawn_x, old_top, old.w, top - old_top);
        for (int32_t row = top; row <= old_bottom; ++row) {
            if (in_wave_band(row)) continue;
            restore(s->drawn_x, row, old.w, 1);
            sprite_rows(now, row - top, 1, s->x, row);
        }
        int32_t first = old_bottom + 1 - top;
        sprite_rows(now, first, now.h - first, s->x, old_bottom + 1);
    } else {
        restore(s->drawn_x, old_top, old.w, old.h);
        sprite_rows(now, 0, now.h, s->x, top);
    }
}

void wave_band_draw(SinkingScene* s) {
    int32_t row = g_sink_wave_rows[s->wave_phase];
    for (int32_t x = 0; x < 300; x += SINK_WAVE_W)
        blit_to_screen(g_sheet_buffer, SINK_WAVE_X, row, x, SINK_WAVE_TOP, SINK_WAVE_W, SINK_WAVE_H, BLIT_COPY);
    blit_to_screen(g_sheet_buffer, SINK_WAVE_X, row, 300, SINK_WAVE_TOP, 20, SINK_WAVE_H, BLIT_COPY);
    s->wave_phase = (s->wave_phase + 1) % SINK_WAVE_PHASES;
}

void figure_draw(SinkingScene* s) {
    if (s->figure_x == s->figure_drawn_x && s->figure_drawn_y == SINK_FIGURE_Y) return;
    const SinkRect& f = g_sink_figure_frames[s->figure_frame];
    if (s->figure_drawn_y != SINK_FIGURE_Y) {
        sprite_rows(f, 0, f.h, s->figure_x, SINK_FIGURE_Y);
    } else {
        for (int32_t row = 0; row < f.h; ++row) {
            restore(s->figure_drawn_x, SINK_FIGURE_Y + row, SINK_FIGURE_W, 1);
            sprite_rows(f, row, 1, s->figure_x, SINK_FIGURE_Y + row);
        }
    }
    s->figure_drawn_x = s->figure_x;
    s->figure_drawn_y = SINK_FIGURE_Y;
}

// A bubble stays on screen for two frames: each frame erases the drawing of two frames ago.
void bubbles_draw() {
    for (const SinkBubble& b : g_sink_bubbles) {
        if (b.x2 == 0) continue;
        const SinkRect& r = g_sink_bubble_sprites[b.size2];
        restore(b.x2, b.y2, r.w, r.h);
    }
    for (const SinkBubble& b : g_sink_bubbles) {
        if (b.x == 0) continue;
        const SinkRect& r = g_sink_bubble_sprites[b.size];
        sprite_rows(r, 0, r.h, b.x, b.y);
    }
    for (SinkBubble& b : g_sink_bubbles) {
        b.x2 = b.x1;
        b.y2 = b.y1;
        b.size2 = b.size1;
        b.x1 = b.x;
        b.y1 = b.y;
        b.size1 = b.size;
    }
}

}  // namespace

void sinking_frame_draw(SinkingScene* s) {
    ship_draw(s);
    wave_band_draw(s);
    s->drawn_x = s->x;
    s->drawn_y = s->y;
    s->drawn_tilt = s->tilt;
    figure_draw(s);
    if (s->phase >= SINK_UNDER_WATER) bubbles_draw();
}
