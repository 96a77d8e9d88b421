#include "engine/frame_handover.h"

#include <atomic>
#include <cstring>
#include <mutex>

#include "engine/frame.h"

bool g_frame_dirty = false;

namespace {
std::mutex g_front_lock;
uint8_t g_front_pixels[SCREEN_BYTES];
uint8_t g_front_palette[256 * 4];
std::atomic<uint32_t> g_front_serial{0};  // written under the lock, read without it
}  // namespace

void frame_publish() {
    if (!g_frame_dirty || g_screen_buffer == nullptr) return;
    g_frame_dirty = false;
    {
        std::lock_guard<std::mutex> hold(g_front_lock);
        // Only the game thread writes the front buffer, so it may compare without a copy.
        if (std::memcmp(g_front_pixels, g_screen_buffer, SCREEN_BYTES) == 0 &&
            std::memcmp(g_front_palette, g_game_palette, sizeof g_front_palette) == 0)
            return;  // drawn again as it was: nothing new to show
        std::memcpy(g_front_pixels, g_screen_buffer, SCREEN_BYTES);
        std::memcpy(g_front_palette, g_game_palette, sizeof g_front_palette);
        g_front_serial.fetch_add(1, std::memory_order_relaxed);
    }
    g_screen_changed.store(1, std::memory_order_relaxed);
}

uint32_t frame_front_read(uint8_t* pixels, uint8_t* palette) {
    std::lock_guard<std::mutex> hold(g_front_lock);
    if (pixels != nullptr) std::memcpy(pixels, g_front_pixels, SCREEN_BYTES);
    if (palette != nullptr) std::memcpy(palette, g_front_palette, sizeof g_front_palette);
    return g_front_serial.load(std::memory_order_relaxed);
}

uint32_t frame_front_serial() { return g_front_serial.load(std::memory_order_relaxed); }
