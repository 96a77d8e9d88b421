#include "tests/voyage/sim_fixture.h"

#include "engine/frame.h"
#include "engine/picture.h"
#include "host/sound_library.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "voyage/state_reset.h"

void SimTest::SetUp() {
    harness_start_engine();
    sound_library_reset();
    voyage_state_reset();
    ASSERT_NE(picture_files_open("ib1vga.dat", "ib2vga.dat"), 0);
    if (g_font_sys8.data == nullptr) font_load("sys8.fnt", &g_font_sys8);
}

void SimTest::TearDown() { picture_files_close(); }

int32_t SimTest::pixel(int32_t x, int32_t y) { return screen_get_pixel(x, y); }
