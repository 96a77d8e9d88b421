#include "tests/harness/game_data.h"
#include "tests/business/office_fixture.h"

#include <cstdio>
#include <cstring>

#include "business/amount_dialog.h"
#include "business/state_reset.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/save_stack.h"
#include "host/headless_host.h"
#include "tests/harness/give_up.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/gadget_render.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "ui/state_reset.h"
#include "views/state_reset.h"
#include "world/records.h"
#include "world/state_reset.h"

namespace {

// Far beyond any scripted session: the screen waits for input the script does not give.
constexpr uint32_t GIVE_UP_MS = 30u * 60u * 1000u;

GiveUpWatch watchdog(GIVE_UP_MS, "a screen waited for input the script did not give");

}  // namespace

void OfficeTest::on_sleep(void* context) {
    auto* t = static_cast<OfficeTest*>(context);
    if (g_bank_last_box != nullptr) {
        t->boxes.emplace_back(g_bank_last_box);
        g_bank_last_box = nullptr;
    }
    if (g_screen_button_last >= 0) t->last_frame.assign(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
    if (t->watch) t->watch();
    watchdog.check(headless_now());
}

void OfficeTest::SetUp() {
    harness_start_engine();
    harness_load_game_data();
    screen_area_files_delete();
    world_state_reset();
    ui_state_reset();
    views_state_reset();
    business_state_reset();
    g_gadget_list = nullptr;
    g_screen_button_last = -1;
    g_command = 0;
    g_quit = 0;
    g_day = 10;
    g_ship_price_index = 1000;
    for (Shipowner& o : g_shipowners) o = Shipowner{};
    g_shipowner_count = 1;
    Shipowner& owner = g_shipowners[0];
    std::snprintf(owner.name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(owner.company, RECORD_NAME_SIZE, "%s", "Oceanic");
    owner.status = 5;
    owner.home_port = 1;
    owner.cash = 4100;
    watchdog.reset();
    headless_set_sleep_hook(&OfficeTest::on_sleep, this);
}

void OfficeTest::TearDown() {
    headless_set_sleep_hook(nullptr, nullptr);
    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
    g_quit = 0;
    screen_area_files_delete();
    picture_files_close();
}

Ship* OfficeTest::add_ship(int32_t model, const char* name, int32_t player) {
    Ship* ship = new_ship();
    std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", name);
    ship->ship_type = static_cast<int8_t>(model);
    ship->condition = 10000;
    ship->port = 1;
    append_ship(&g_shipowners[player], ship);
    return ship;
}

void OfficeTest::script(const std::vector<int32_t>& keys) {
    uint32_t at = headless_now() + 300;
    for (size_t i = 0; i < keys.size(); ++i, at += 300) {
        if (keys[i] == KEY_PAUSE) {
            at += 3000;
        } else if (keys[i] == KEY_CLICK) {
            headless_script_click(at, keys[i + 1], keys[i + 2]);
            i += 2;
        } else {
            headless_script(at, HEADLESS_KEY, keys[i]);
        }
    }
}

std::vector<int32_t> OfficeTest::amount(int32_t value) {
    std::vector<int32_t> keys;
    for (int32_t i = 0; i < 10; ++i) keys.push_back(KEY_RIGHT_ARROW);
    for (int32_t i = 0; i < 10; ++i) keys.push_back(KEY_BACKSPACE);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(value));
    for (const char* p = digits; *p != '\0'; ++p) keys.push_back(static_cast<uint8_t>(*p));
    keys.push_back(KEY_ENTER);
    keys.push_back(KEY_ENTER);
    return keys;
}

std::vector<int32_t> OfficeTest::join(std::initializer_list<std::vector<int32_t>> parts) {
    std::vector<int32_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<uint8_t> OfficeTest::frame() {
    return std::vector<uint8_t>(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
}

bool OfficeTest::shows_text(const std::vector<uint8_t>& shot, int32_t x, int32_t y, const char* text) {
    if (shot.size() != static_cast<size_t>(SCREEN_BYTES)) return false;
    // Drawn again over the shot the way the screen tables draw it, the text changes nothing when it
    // is there already.
    std::vector<uint8_t> saved = frame();
    std::memcpy(g_screen_buffer, shot.data(), shot.size());
    GadgetText item{0, 0, 1, 1, 1, &g_font_sys13, text, nullptr};
    draw_text_items(&item, x, y);
    std::vector<uint8_t> redrawn = frame();
    std::memcpy(g_screen_buffer, saved.data(), saved.size());
    const int32_t width = font_text_width(&g_font_sys13, text);
    for (int32_t py = y; py <= std::min(y + 12, SCREEN_HEIGHT - 1); ++py) {
        for (int32_t px = x; px < std::min(x + width, SCREEN_WIDTH); ++px) {
            const size_t i = static_cast<size_t>(py * SCREEN_WIDTH + px);
            if (redrawn[i] != shot[i]) return false;
        }
    }
    // Nothing more written just after it: no colour-0 pixel in the next columns of the text's rows.
    for (int32_t py = y + 1; py <= std::min(y + 10, SCREEN_HEIGHT - 1); ++py) {
        for (int32_t px = x + width + 1; px < std::min(x + width + 5, SCREEN_WIDTH); ++px) {
            if (shot[static_cast<size_t>(py * SCREEN_WIDTH + px)] == 0) return false;
        }
    }
    return true;
}
