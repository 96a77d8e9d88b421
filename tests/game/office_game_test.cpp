// The office in a running game: from the main screen the shipowner opens the office by its side
// key, raises a mortgage, obtains credit and moves the home port at the bank, reads every Info
// screen; then the clock runs for a hundred days, in which the daily step charges the running
// costs and the interest of the mortgage and the credit. At every sleep of the game thread the
// cash, the four accounts and the net worth agree.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "engine/font.h"
#include "engine/picture.h"
#include "engine/save_stack.h"
#include "game/main_loop.h"
#include "game/shipowner_chooser.h"
#include "game/state_reset.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"
#include "tests/harness/player_view.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "world/records.h"
#include "world/sea_distance.h"
#include "world/ship_types.h"
#include "world/weather.h"

namespace {

struct Books {
    int32_t start_cash = 0;
    int32_t checks = 0;
    int32_t letters = 0;
    uint32_t answered_at = 0;
    bool broken = false;
};

// Checks the books and reads every letter of the running days with Enter.
void on_sleep(void* context) {
    auto* b = static_cast<Books*>(context);
    const Shipowner& o = g_shipowners[0];
    const int32_t booked = o.income_shipping + o.income_sales - o.expenses_general - o.expenses_interest;
    int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
    compute_shipowner_assets(0, &values, &mortgages, &credit, &worth);
    int32_t ship_values = 0, ship_mortgages = 0;
    for (const Ship* s = o.ships; s != nullptr; s = s->next) {
        int32_t v = g_ship_type_table[s->ship_type].price * s->condition / 10000;
        ship_values += v * g_ship_price_index / 1000 * 80 / 100;
        ship_mortgages += s->mortgage;
    }
    if (o.cash != b->start_cash + booked || worth != o.cash - o.credit + ship_values - ship_mortgages) {
        if (!b->broken)
            ADD_FAILURE() << "day " << g_day << ": cash " << o.cash << ", booked " << booked << ", worth "
                          << worth;
        b->broken = true;
    }
    ++b->checks;
    const uint32_t now = headless_now();
    if (headless_pending_events() == 0 && gadget_listed(&g_letter_ok_gadget) && now - b->answered_at > 250) {
        ++b->letters;
        b->answered_at = now;
        headless_script(now, HEADLESS_KEY, 13);
    }
}

class OfficeGame : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        Font* fonts[4] = {&g_font_sys13, &g_font_sys8b, &g_font_sys7b, &g_font_sys8};
        const char* files[4] = {"sys13.fnt", "sys8b.fnt", "sys7b.fnt", "sys8.fnt"};
        for (int32_t i = 0; i < 4; ++i) {
            kept_[i] = *fonts[i];
            *fonts[i] = Font{};
            ASSERT_EQ(font_load(files[i], fonts[i]), 1);
        }
        ASSERT_EQ(picture_files_open("ib1vga.dat", "ib2vga.dat"), 1);
        screen_area_files_delete();
        init_route_lengths();
        weather_reset();
        for (Shipowner& o : g_shipowners) o = Shipowner{};
        g_shipowner_count = 1;
        g_difficulty = 1;
        g_day = 0;
        g_playing_duration = -1;
        Shipowner& o = g_shipowners[0];
        std::snprintf(o.company, RECORD_NAME_SIZE, "%s", "North Star");
        o.home_port = 1;
        o.cash = 5000;
        o.status = 5;
        o.subsidy_status = 5;  // the subsidy for this status is had already
        o.credit_period = 91;
        Ship* ship = new_ship();
        std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", "Aurora");
        ship->ship_type = 2;
        ship->condition = 10000;
        ship->port = 1;
        ship->harbour_map = 0;
        ship->mortgage_period = 90;
        ship->layup_days = 300;  // laid up: quiet days
        ship->voyage_flags = VOYAGE_INCIDENT_DONE;  // and this voyage's incident is past
        append_ship(&o, ship);
        books_.start_cash = o.cash;
        headless_set_sleep_hook(on_sleep, &books_);
    }
    void TearDown() override {
        headless_set_sleep_hook(nullptr, nullptr);
        Font* fonts[4] = {&g_font_sys13, &g_font_sys8b, &g_font_sys7b, &g_font_sys8};
        for (int32_t i = 0; i < 4; ++i) {
            font_free(fonts[i]);
            *fonts[i] = kept_[i];
        }
        free_all_ships(SHIPOWNER_MAX);
        g_shipowner_count = 0;
        g_quit = 0;
        screen_buttons_clear();
        screen_area_files_delete();
        picture_files_close();
    }

    Books books_;
    Font kept_[4];
};

std::vector<int32_t> amount(int32_t value) {
    std::vector<int32_t> keys(10, 39);
    keys.insert(keys.end(), 10, 8);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(value));
    for (const char* p = digits; *p != '\0'; ++p) keys.push_back(static_cast<uint8_t>(*p));
    keys.push_back(13);
    keys.push_back(13);
    return keys;
}

TEST_F(OfficeGame, TheBankBooksAgreeWithTheDaysThatFollow) {
    MainLoop loop{};
    main_screen_enter(&loop);
    std::vector<int32_t> keys = {'2', '1', 'a', '1', 13};  // the office of the first shipowner, a mortgage
    for (int32_t k : amount(6000)) keys.push_back(k);
    keys.push_back(27);
    keys.push_back('3');  // credit
    for (int32_t k : amount(1500)) keys.push_back(k);
    for (int32_t k : std::initializer_list<int32_t>{'5', 'y', 40, 13, 13})
        keys.push_back(k);  // to Marseilles; out of the bank
    for (int32_t k : std::initializer_list<int32_t>{'i', '1', '1', 13, '2', 13, 13, '2', 13, '4', 13, 13, 13})
        keys.push_back(k);
    uint32_t at = headless_now() + 300;
    for (int32_t k : keys) {
        headless_script(at, HEADLESS_KEY, k);
        at += 300;
    }
    headless_script(at + 1000, HEADLESS_KEY, ' ');  // the clock runs
    for (int32_t n = 0; n < 5000 && g_day < 100; ++n) main_loop_pass(&loop);

    const Shipowner& o = g_shipowners[0];
    EXPECT_GE(g_day, 100);
    EXPECT_EQ(o.ships->mortgage, 6000);
    EXPECT_EQ(o.credit, 1500);
    EXPECT_EQ(o.home_port, 4);
    EXPECT_EQ(o.income_sales, 7500);
    EXPECT_GE(o.expenses_general, 1100 + 2 * 100) << "the move and the daily office costs";
    EXPECT_GT(o.expenses_interest, 0) << "the mortgage's interest after 90 days, the credit's after 91";
    EXPECT_GE(books_.letters, 2) << "the interest letters";
    EXPECT_GT(books_.checks, 1000);
    EXPECT_FALSE(books_.broken);
}

}  // namespace
