#include "engine/frame_handover.h"

#include <cstring>
#include <mutex>

#include "engine/frame.h"

bool g_frame_dirty = false;

namespace {
std::mutex g_front_lock;
uint8_t g_front_pixels[SCREEN_BYTES];
uint8_t g_front_palette[256 * 4];
}  // namespace

void frame_publish() {
    if (!g_frame_dirty || g_screen_buffer == nullptr) return;
    {
        std::lock_guard<std::mutex> hold(g_front_lock);
        std::memcpy(g_front_pixels, g_screen_buffer, SCREEN_BYTES);
        std::memcpy(g_front_palette, g_game_palette, sizeof g_front_palette);
    }
    g_frame_dirty = false;
    g_screen_changed.store(1, std::memory_order_relaxed);
}

void frame_front_read(uint8_t* pixels, uint8_t* palette) {
    std::lock_guard<std::mutex> hold(g_front_lock);
    if (pixels != nullptr) std::memcpy(pixels, g_front_pixels, SCREEN_BYTES);
    if (palette != nullptr) std::memcpy(palette, g_front_palette, sizeof g_front_palette);
}
