#include "engine/save_stack.h"
#include "tests/harness/harness.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/frame_handover.h"
#include "engine/input.h"
#include "engine/random.h"
#include "host/headless_host.h"

std::string harness_data_dir() { return MARIVANE_DATA_DIR; }

void harness_start_engine() {
    headless_reset();
    if (g_screen_buffer == nullptr) graphics_init();
    std::memset(g_screen_buffer, 0, SCREEN_BYTES);
    std::memset(g_game_palette, 0, sizeof g_game_palette);
    g_gui_palette[0][2] = 0;
    palette_set_entries(&g_gui_palette[0][0], 0, 32);
    g_draw_color = 15;
    g_fill_mode = 1;
    g_pen_x = g_pen_y = 0;
    input_reset();
    g_menu_run_hook = nullptr;
    g_random_seed = 1;
    g_random_counter = 0;
    g_random_trace = nullptr;
    g_screen_changed = 0;
    g_area_saved = 0;
}

std::string harness_read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void harness_write_file(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
