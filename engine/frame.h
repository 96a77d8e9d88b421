// The frame, the two off-screen buffers, the palette with its interface colours, the pixel and span
// workers every drawing operation rests on, and the engine's start-up and shut-down.
#pragma once

#include <atomic>
#include <cstdint>

constexpr int32_t SCREEN_WIDTH = 320;
constexpr int32_t SCREEN_HEIGHT = 200;
constexpr int32_t SCREEN_BYTES = SCREEN_WIDTH * SCREEN_HEIGHT;

extern uint8_t* g_screen_buffer;
extern uint8_t* g_background_buffer;
extern uint8_t* g_sheet_buffer;
// Bit 0 raised by every write of the frame or the palette; the window thread takes it.
extern std::atomic<uint32_t> g_screen_changed;
// Presentation form: blue, green, red, 0 per entry, each colour a 6-bit value times 4.
extern uint8_t g_game_palette[256][4];
extern uint8_t g_gui_palette[32][3];
extern uint32_t g_draw_color;
extern uint32_t g_fill_mode;
extern uint32_t g_graphics_mode;
extern uint32_t g_fast_machine;
extern uint32_t g_mouse_present;

void graphics_init();
void graphics_shutdown();
int32_t measure_cpu_speed();

void palette_set_entries(const uint8_t* rgb, int32_t first, int32_t count);
void palette_set_picture_colours(const uint8_t* rgb);
void palette_set_cycle_colours(const uint8_t* rgb);
int32_t set_backdrop_blue(int32_t ignored, int32_t on);
uint8_t* game_palette_get();
uint8_t* screen_buffer_get();

void display_enter_noop();
void display_leave_noop();

// Pixel and span workers: no bounds tests, the callers clip.
void screen_put_pixel(int32_t x, int32_t y, uint32_t colour);
void buffer_put_pixel(uint8_t* buffer, int32_t x, int32_t y, uint32_t colour);
int32_t buffer_get_pixel(const uint8_t* buffer, int32_t x, int32_t y);
int32_t screen_get_pixel(int32_t x, int32_t y);
void screen_hline(int32_t x, int32_t length, int32_t y, uint32_t colour);
void screen_hline_stippled(int32_t x, int32_t length, int32_t y, uint32_t colour);
void screen_hline_xor(int32_t x, int32_t length, int32_t y, uint32_t value);
void screen_clear_to(uint32_t colour);
void screen_copy_from(const uint8_t* buffer);
void span_copy(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy, int32_t dy);
void span_copy_keyed(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy,
                     int32_t dy, uint32_t key);
void span_or(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy, int32_t dy);
void span_nand(int32_t sx, int32_t dx, const uint8_t* src, uint8_t* dst, int32_t length, int32_t sy, int32_t dy);

// Marks the frame or palette written: raises g_screen_changed and the game-side dirty mark that
// makes the next sleep hand the frame over to the window (frame_handover.h).
void screen_mark_changed();
