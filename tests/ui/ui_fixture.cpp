#include "ui/state_reset.h"
#include "world/state_reset.h"
#include "tests/ui/ui_fixture.h"

#include <cstring>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "engine/save_stack.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/menu_strip.h"
#include "ui/letter.h"
#include "ui/screen_layout.h"

namespace {

void load_game_data() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    ASSERT_EQ(font_load("sys13.fnt", &g_font_sys13), 1);
    ASSERT_EQ(font_load("sys8b.fnt", &g_font_sys8b), 1);
    ASSERT_EQ(font_load("sys7b.fnt", &g_font_sys7b), 1);
    ASSERT_EQ(font_load("sys8.fnt", &g_font_sys8), 1);
    ASSERT_EQ(picture_files_open("ib1vga.dat", "ib2vga.dat"), 1);
}

}  // namespace

void UiTest::SetUp() {
    harness_start_engine();
    load_game_data();
    screen_area_files_delete();
    world_state_reset();
    ui_state_reset();
}

void UiTest::TearDown() {
    screen_area_files_delete();
}

void UiTest::left_down(int32_t x, int32_t y) {
    mouse_left_down(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
}
void UiTest::left_up() {
    mouse_left_up();
}
void UiTest::move(int32_t x, int32_t y) {
    mouse_set_position(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
}
void UiTest::key(uint32_t code) {
    key_slot_store(code);
}
int32_t UiTest::pixel(int32_t x, int32_t y) {
    return g_screen_buffer[y * SCREEN_WIDTH + x];
}
void UiTest::fill_frame(uint8_t colour) {
    std::memset(g_screen_buffer, colour, SCREEN_BYTES);
}

int32_t UiTest::count_colour(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour) {
    int32_t n = 0;
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) n += pixel(x, y) == colour ? 1 : 0;
    return n;
}
