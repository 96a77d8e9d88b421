#include "engine/frame.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/font.h"
#include "engine/frame_handover.h"
#include "engine/input.h"
#include "engine/save_stack.h"
#include "host/platform.h"
#include "lang/lang.h"

uint8_t* g_screen_buffer = nullptr;
uint8_t* g_background_buffer = nullptr;
uint8_t* g_sheet_buffer = nullptr;
std::atomic<uint32_t> g_screen_changed{0};
uint8_t g_game_palette[256][4] = {};
uint32_t g_draw_color = 15;
uint32_t g_fill_mode = 1;
uint32_t g_graphics_mode = 0;
uint32_t g_fast_machine = 0;
uint32_t g_mouse_present = 0;

// Interface colours 0..31 as 6-bit red, green, blue; the first 16 are the classic 16-colour set.
uint8_t g_gui_palette[32][3] = {
    {0, 0, 0},    {0, 0, 42},   {0, 42, 0},   {0, 42, 42},  {42, 0, 0},   {42, 0, 42},  {42, 21, 0},
    {42, 42, 42}, {21, 21, 21}, {21, 21, 63}, {21, 63, 21}, {21, 63, 63}, {63, 21, 21}, {63, 21, 63},
    {63, 63, 21}, {63, 63, 63}, {31, 31, 63}, {0, 0, 63},   {0, 0, 31},   {47, 43, 40}, {36, 33, 28},
    {28, 25, 21}, {63, 31, 31}, {63, 0, 0},   {31, 0, 0},   {0, 5, 35},   {10, 40, 10}, {0, 0, 50},
    {0, 0, 0},    {0, 0, 0},    {0, 0, 0},    {0, 0, 0},
};

void screen_mark_changed() {
    g_screen_changed.store(1, std::memory_order_relaxed);
    g_frame_dirty = true;
}

int32_t measure_cpu_speed() {
    uint32_t t0 = platform_clock_ms();
    volatile int32_t v = 71;
    for (int32_t i = 0; i < 5000; ++i) v = (v + i * i) / 13;
    return static_cast<int32_t>(platform_clock_ms() - t0);
}

void display_enter_noop() {}
void display_leave_noop() {}

static uint8_t* allocate_buffer() {
    auto* b = static_cast<uint8_t*>(std::malloc(SCREEN_BYTES));
    if (b == nullptr) {
        display_leave_noop();
        std::printf("%s\n", lang_text(TXT_NOT_ENOUGH_MEMORY));
        platform_exit(-1);
    }
    return b;
}

void graphics_init() {
    g_fast_machine = measure_cpu_speed() < 750 ? 1 : 0;
    if (font_load("sys8.fnt", &g_default_font) == 0) {
        std::printf("%s\n", lang_text(TXT_FONT_MISSING));
        if (dos_access("sys8.fnt", DOS_F_OK) == 0)
            std::fprintf(stderr, "marivane: the default font sys8.fnt is damaged\n");
        else
            std::fprintf(stderr, "marivane: the default font sys8.fnt is missing from the working directory\n");
        platform_exit(-2);
    }
    display_enter_noop();
    g_graphics_mode = 1;
    g_mouse_present = 1;
    g_background_buffer = allocate_buffer();
    g_sheet_buffer = allocate_buffer();
    g_screen_buffer = allocate_buffer();
    std::memset(g_screen_buffer, 0, SCREEN_BYTES);
    screen_mark_changed();
    palette_set_entries(&g_gui_palette[0][0], 0, 32);
    g_fill_mode = 1;
}

void graphics_shutdown() {
    mouse_hide_cursor();
    screen_area_files_delete();
    display_leave_noop();
    font_free(&g_default_font);
}

void palette_set_entries(const uint8_t* rgb, int32_t first, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        uint8_t* e = g_game_palette[first + i];
        e[0] = static_cast<uint8_t>(rgb[3 * i + 2] * 4);
        e[1] = static_cast<uint8_t>(rgb[3 * i + 1] * 4);
        e[2] = static_cast<uint8_t>(rgb[3 * i] * 4);
        e[3] = 0;
    }
    screen_mark_changed();
}

void palette_set_picture_colours(const uint8_t* rgb) { palette_set_entries(rgb, 32, 224); }
void palette_set_cycle_colours(const uint8_t* rgb) { palette_set_entries(rgb, 32, 32); }

int32_t set_backdrop_blue(int32_t, int32_t on) {
    g_gui_palette[0][2] = on != 0 ? 16 : 0;
    palette_set_entries(&g_gui_palette[0][0], 0, 1);
    screen_mark_changed();
    return 0;
}

uint8_t* game_palette_get() { return &g_game_palette[0][0]; }
uint8_t* screen_buffer_get() { return g_screen_buffer; }

// ---- Pixel and span workers ---------------------------------------------------------------------

void screen_put_pixel(int32_t x, int32_t y, uint32_t colour) {
    g_screen_buffer[y * SCREEN_WIDTH + x] = static_cast<uint8_t>(colour);
    screen_mark_changed();
}

void buffer_put_pixel(uint8_t* buffer, int32_t x, int32_t y, uint32_t colour) {
    buffer[y * SCREEN_WIDTH + x] = static_cast<uint8_t>(colour);
    screen_mark_changed();
}

int32_t buffer_get_pixel(const uint8_t* buffer, int32_t x, int32_t y) {
    return static_cast<int8_t>(buffer[y * SCREEN_WIDTH + x]);
}

int32_t screen_get_pixel(int32_t x, int32_t y) { return buffer_get_pixel(g_screen_buffer, x, y); }

void screen_hline(int32_t x, int32_t length, int32_t y, uint32_t colour) {
    if (length > 0) std::memset(g_screen_buffer + y * SCREEN_WIDTH + x, static_cast<uint8_t>(colour), length);
    screen_mark_changed();
}

void screen_hline_stippled(int32_t x, int32_t length, int32_t y, uint32_t colour) {
    uint8_t* row = g_screen_buffer + y * SCREEN_WIDTH;
    for (int32_t i = ((x ^ y) & 1); i < length; i += 2) row[x + i] = static_cast<uint8_t>(colour);
    screen_mark_changed();
}

void screen_hline_xor(int32_t x, int32_t length, int32_t y, uint32_t value) {
    uint8_t* p = g_screen_buffer + y * SCREEN_WIDTH + x;
    for (int32_t i = 0; i < length; ++i) p[i] ^= static_cast<uint8_t>(value);
    screen_mark_changed();
}

void screen_clear_to(uint32_t colour) {
    std::memset(g_screen_buffer, static_cast<uint8_t>(colour), SCREEN_BYTES);
    screen_mark_changed();
}

void screen_copy_from(const uint8_t* buffer) {
    if (buffer != g_screen_buffer) std::memcpy(g_screen_buffer, buffer, SCREEN_BYTES);
    screen_mark_changed();
}

void span_copy(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy, int32_t dy) {
    // memmove: source and destination may be the same buffer
    if (length > 0) std::memmove(dst + dy * SCREEN_WIDTH + dx, src + sy * SCREEN_WIDTH + sx, length);
    screen_mark_changed();
}

void span_copy_keyed(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy,
                     int32_t dy, uint32_t key) {
    const uint8_t* s = src + sy * SCREEN_WIDTH + sx;
    uint8_t* d = dst + dy * SCREEN_WIDTH + dx;
    auto k = static_cast<uint8_t>(key);
    for (int32_t i = 0; i < length; ++i)
        if (s[i] != k) d[i] = s[i];
    screen_mark_changed();
}

void span_or(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy, int32_t dy) {
    const uint8_t* s = src + sy * SCREEN_WIDTH + sx;
    uint8_t* d = dst + dy * SCREEN_WIDTH + dx;
    for (int32_t i = 0; i < length; ++i) d[i] |= s[i];
    screen_mark_changed();
}

void span_nand(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy, int32_t dy) {
    const uint8_t* s = src + sy * SCREEN_WIDTH + sx;
    uint8_t* d = dst + dy * SCREEN_WIDTH + dx;
    for (int32_t i = 0; i < length; ++i) d[i] = static_cast<uint8_t>(~(d[i] & s[i]));
    screen_mark_changed();
}
