// Mouse and keys: the window thread stores the pointer, the two button bits and the last key into
// shared one-word variables; the game thread polls them, and the polls sleep.
#pragma once

#include <atomic>
#include <cstdint>

enum : uint32_t { MOUSE_LEFT = 1, MOUSE_RIGHT = 2 };
enum : uint32_t { KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40, KEY_DELETE = 46 };

extern std::atomic<uint32_t> g_mouse_x;
extern std::atomic<uint32_t> g_mouse_y;
extern std::atomic<uint32_t> g_mouse_buttons;
extern std::atomic<uint32_t> g_key_slot;
// The buttons as the game's last read of them found them, so that the window can hold the next
// button change until the game has seen the one before.
extern std::atomic<uint32_t> g_mouse_buttons_seen;
extern uint32_t g_cursor_visible;
extern uint32_t g_cursor_hidden_for_drawing;

// The menu strip that mouse_left_pressed runs when the right button is held alone; installed by
// the toolkit when the game sets its menu strip. Null runs nothing.
extern void (*g_menu_run_hook)();

// Back to the start, for a test's fresh start: the pointer at (0, 0), no button down nor any
// read of them, no key waiting. The window's hold on its next button change compares with the last
// read, so the buttons and that read are reset together.
void input_reset();

// Window thread.
int32_t mouse_set_position(uint32_t x, uint32_t y);
int32_t mouse_left_down(uint32_t x, uint32_t y);
int32_t mouse_right_down(uint32_t x, uint32_t y);
int32_t mouse_left_up();
int32_t mouse_right_up();
uint32_t screen_take_changed_flag();
int32_t key_slot_store(uint32_t key);
// Stores key only while the slot is empty: 1 when stored.
int32_t key_slot_offer(uint32_t key);
// Swaps old_key for key while the game has not taken old_key yet: 1 when swapped.
int32_t key_slot_replace(uint32_t old_key, uint32_t key);
uint32_t mouse_buttons_seen();

// Game thread.
int32_t mouse_get_position(int32_t* x, int32_t* y);
int32_t mouse_left_pressed();
uint32_t mouse_get_buttons();
void mouse_set_range(int32_t x_max, int32_t y_max);
void mouse_show_cursor();
void mouse_show_cursor_wrapper();
void mouse_hide_cursor();
void mouse_guard_area(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
int32_t key_slot_poll();
uint32_t key_slot_take();
uint32_t key_slot_wait();
int32_t key_slot_pending();
