#include "engine/input.h"

#include "engine/frame.h"
#include "engine/timing.h"

std::atomic<uint32_t> g_mouse_x{0};
std::atomic<uint32_t> g_mouse_y{0};
std::atomic<uint32_t> g_mouse_buttons{0};
std::atomic<uint32_t> g_key_slot{0};
std::atomic<uint32_t> g_mouse_buttons_seen{0};
uint32_t g_cursor_visible = 0;
uint32_t g_cursor_hidden_for_drawing = 0;
void (*g_menu_run_hook)() = nullptr;

constexpr auto kRelaxed = std::memory_order_relaxed;
// The position is stored before the buttons change, and a button change is a release store that
// the game's button reads take with acquire: a game that sees a press also sees the position the
// press was made at (or a later one), on any machine. A move alone needs no order.
constexpr auto kRelease = std::memory_order_release;
constexpr auto kAcquire = std::memory_order_acquire;

void input_reset() {
    g_mouse_x = g_mouse_y = g_mouse_buttons = g_mouse_buttons_seen = g_key_slot = 0;
}

// ---- Window thread ------------------------------------------------------------------------------

int32_t mouse_set_position(uint32_t x, uint32_t y) {
    g_mouse_x.store(x, kRelaxed);
    g_mouse_y.store(y, kRelaxed);
    return 0;
}

int32_t mouse_left_down(uint32_t x, uint32_t y) {
    mouse_set_position(x, y);
    g_mouse_buttons.fetch_or(MOUSE_LEFT, kRelease);
    return 0;
}

int32_t mouse_right_down(uint32_t x, uint32_t y) {
    mouse_set_position(x, y);
    g_mouse_buttons.fetch_or(MOUSE_RIGHT, kRelease);
    return 0;
}

int32_t mouse_left_up() {
    g_mouse_buttons.fetch_and(~MOUSE_LEFT, kRelease);
    return 0;
}

int32_t mouse_right_up() {
    g_mouse_buttons.fetch_and(~MOUSE_RIGHT, kRelease);
    return 0;
}

uint32_t screen_take_changed_flag() { return g_screen_changed.exchange(0, kRelaxed); }

// The key slot is handed over with release and taken with acquire, so that whatever the window
// thread did before it stored a key happens before what the game does on taking it.
int32_t key_slot_store(uint32_t key) {
    g_key_slot.store(key, kRelease);
    return 0;
}

int32_t key_slot_offer(uint32_t key) {
    uint32_t empty = 0;
    return g_key_slot.compare_exchange_strong(empty, key, kRelease, kRelaxed) ? 1 : 0;
}

int32_t key_slot_replace(uint32_t old_key, uint32_t key) {
    return g_key_slot.compare_exchange_strong(old_key, key, kRelease, kRelaxed) ? 1 : 0;
}

uint32_t mouse_buttons_seen() { return g_mouse_buttons_seen.load(kAcquire); }

// ---- Game thread: cursor bookkeeping (the platform draws the pointer) ------------------------------

void mouse_show_cursor() {
    if (!(g_cursor_visible != 0 && g_cursor_hidden_for_drawing == 0)) {
        g_cursor_visible = 1;
        g_cursor_hidden_for_drawing = 0;
    }
}

void mouse_show_cursor_wrapper() { mouse_show_cursor(); }

void mouse_hide_cursor() {
    g_cursor_visible = 0;
    g_cursor_hidden_for_drawing = 0;
}

void mouse_guard_area(int32_t, int32_t, int32_t, int32_t) {
    if (g_cursor_visible != 0) g_cursor_hidden_for_drawing = 1;
}

static void cursor_on() {
    if (g_cursor_visible == 0 || g_cursor_hidden_for_drawing != 0) mouse_show_cursor();
}

// ---- Game thread: reads -------------------------------------------------------------------------

namespace {

// Takes the buttons and then says which state was taken: the window hands over its next button
// change only once the game has seen this one. (A count of reads would not do: the window could
// take a read as done while its load is still to come, and put the next change in before it.)
uint32_t read_buttons() {
    uint32_t bits = g_mouse_buttons.load(kAcquire);
    g_mouse_buttons_seen.store(bits, kRelease);
    return bits;
}

}  // namespace

int32_t mouse_get_position(int32_t* x, int32_t* y) {
    cursor_on();
    if (g_mouse_present != 0) {
        *x = static_cast<int32_t>(g_mouse_x.load(kRelaxed));
        *y = static_cast<int32_t>(g_mouse_y.load(kRelaxed));
    } else {
        *x = 0;
        *y = 0;
    }
    game_sleep_ms(30);
    return 1;
}

int32_t mouse_left_pressed() {
    cursor_on();
    uint32_t bits = read_buttons() & 0xFFFF;
    if (g_mouse_present == 0) return 0;
    if ((bits & 3) == MOUSE_RIGHT) {
        if (g_menu_run_hook != nullptr) g_menu_run_hook();
        return 0;
    }
    return static_cast<int32_t>(bits & MOUSE_LEFT);
}

uint32_t mouse_get_buttons() {
    cursor_on();
    uint32_t bits = read_buttons();
    if (g_mouse_present == 0) return 0;
    return bits;
}

void mouse_set_range(int32_t, int32_t) {}

int32_t key_slot_poll() {
    if (g_key_slot.load(kRelaxed) != 0) return -1;
    game_sleep_ms(30);
    return 0;
}

// The slot is taken with one exchange, so a key stored while the game reads it is never lost.
uint32_t key_slot_take() { return g_key_slot.exchange(0, kAcquire); }

uint32_t key_slot_wait() {
    while (g_key_slot.load(kRelaxed) == 0) game_sleep_ms(20);
    return key_slot_take();
}

int32_t key_slot_pending() { return g_key_slot.load(kRelaxed) != 0 ? -1 : 0; }
