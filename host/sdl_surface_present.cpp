// Presenting into the window's own surface: the frame is stretched by the host itself (nearest
// pixel, as the renderer does) and only the window rows that show changed frame rows are drawn
// and sent to the display. A running clock changes a few rows of the frame at a time, so a
// presentation then costs a small fraction of a whole window's. Used whenever the window offers a
// 32-bit surface; the renderer is the way for any other.
#include <cstring>
#include <vector>

#include "host/sdl_window.h"

namespace {

bool surface_usable(const SDL_Surface* s) {
    return s != nullptr && s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000 &&
           s->format->Gmask == 0xFF00 && s->format->Bmask == 0xFF;
}

uint32_t* surface_row(SDL_Surface* s, int32_t y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch);
}

// The frame row a window row shows, and the frame column of each window column: the centre of
// each window pixel, scaled down and truncated.
int32_t source_of(int32_t d, int32_t size, int32_t source_size) {
    return static_cast<int32_t>((2 * static_cast<int64_t>(d) + 1) * source_size / (2 * static_cast<int64_t>(size)));
}

void draw_block(SDL_Surface* s, int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h) {
    for (int32_t r = 0; r < h; ++r) {
        if (y + r < 0 || y + r >= s->h) continue;
        uint32_t* row = surface_row(s, y + r);
        for (int32_t c = 0; c < w; ++c)
            if (x + c >= 0 && x + c < s->w) row[x + c] = pixels[static_cast<size_t>(r * w + c)];
    }
}

}  // namespace

bool host_surface_open() {
    g_host.surface_mode = surface_usable(SDL_GetWindowSurface(g_host.window));
    return g_host.surface_mode;
}

void host_surface_present(int32_t first_row, int32_t last_row, bool whole) {
    SDL_Surface* s = SDL_GetWindowSurface(g_host.window);  // made anew after a resize
    if (!surface_usable(s)) return;
    int32_t w = s->w, h = s->h;
    if (s->w != g_host.surface_w || s->h != g_host.surface_h || g_host.strip_dirty) whole = true;
    g_host.surface_w = w;
    g_host.surface_h = h;
    std::vector<SDL_Rect> rects;
    ViewRect f = frame_area(ClientArea{w, h});
    if (whole) {
        SDL_FillRect(s, nullptr, 0);
        first_row = 0;
        last_row = FRAME_HEIGHT - 1;
    }
    if (f.w > 0 && f.h > 0 && first_row <= last_row) {
        if (static_cast<int32_t>(g_host.column_map.size()) != f.w) {
            g_host.column_map.resize(static_cast<size_t>(f.w));
            for (int32_t x = 0; x < f.w; ++x) g_host.column_map[static_cast<size_t>(x)] = source_of(x, f.w, FRAME_WIDTH);
        }
        int32_t top = -1, bottom = -1;
        for (int32_t y = 0; y < f.h; ++y) {
            int32_t sy = source_of(y, f.h, FRAME_HEIGHT);
            if (sy < first_row || sy > last_row) continue;
            const uint32_t* src = g_host.frame_pixels.data() + static_cast<size_t>(sy) * FRAME_WIDTH;
            uint32_t* row = surface_row(s, f.y + y) + f.x;
            for (int32_t x = 0; x < f.w; ++x) row[x] = src[g_host.column_map[static_cast<size_t>(x)]];
            if (top < 0) top = f.y + y;
            bottom = f.y + y;
        }
        if (top >= 0) rects.push_back(SDL_Rect{0, top, w, bottom - top + 1});
    }
    if (whole || g_host.strip_dirty) {
        g_host.strip_pixels.assign(static_cast<size_t>(w) * MENU_STRIP_HEIGHT, 0);
        Canvas c{g_host.strip_pixels.data(), w, MENU_STRIP_HEIGHT};
        paint_menu_strip(&c, &g_host.menu, &g_host.menu_state);
        draw_block(s, 0, 0, g_host.strip_pixels.data(), w, MENU_STRIP_HEIGHT);
        rects.push_back(SDL_Rect{0, 0, w, MENU_STRIP_HEIGHT});
        g_host.strip_dirty = false;
    }
    if (g_host.menu_state.open >= 0 && !rects.empty()) {
        const MenuTitleLayout& t = g_host.menu.titles[g_host.menu_state.open];
        std::vector<uint32_t> list(static_cast<size_t>(t.drop_w) * static_cast<size_t>(t.drop_h));
        Canvas lc{list.data(), t.drop_w, t.drop_h};
        paint_menu_list(&lc, &g_host.menu, &g_host.menu_state);
        draw_block(s, t.drop_x, t.drop_y, list.data(), t.drop_w, t.drop_h);
        rects.push_back(SDL_Rect{t.drop_x, t.drop_y, t.drop_w, t.drop_h});
    }
    if (whole) {
        SDL_UpdateWindowSurface(g_host.window);
    } else if (!rects.empty()) {
        SDL_UpdateWindowSurfaceRects(g_host.window, rects.data(), static_cast<int>(rects.size()));
    }
}
