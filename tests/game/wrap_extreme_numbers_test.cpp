// Saves that pass every check of the loader but hold numbers at the ends of their range: each is
// loaded, its main screen drawn and 30 days played. The tests run with UndefinedBehaviorSanitizer
// halting on the first report, so a sum, difference or product that does not wrap in 32 bits fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "engine/picture.h"
#include "game/day_step.h"
#include "game/main_loop.h"
#include "game/state_reset.h"
#include "host/headless_host.h"
#include "tests/game/game_file_fixture.h"
#include "tests/harness/game_data.h"
#include "ui/input_poll.h"
#include "views/main_screen.h"
#include "views/status_panel.h"
#include "views/world_map.h"
#include "world/game_file.h"
#include "world/records.h"

namespace {

struct ExtremeCase {
    const char* what;
    std::function<void()> craft;
};

Ship* first_ship() { return g_shipowners[0].ships; }

void every_ship(const std::function<void(Ship*)>& f) {
    for (Shipowner& o : g_shipowners)
        for (Ship* s = o.ships; s != nullptr; s = s->next) f(s);
}

const ExtremeCase kCases[] = {
    {"cash INT32_MIN", [] { g_shipowners[0].cash = INT32_MIN; g_shipowners[1].cash = INT32_MIN; }},
    {"cash INT32_MAX", [] { g_shipowners[0].cash = INT32_MAX; g_shipowners[1].cash = INT32_MAX; }},
    {"history INT32_MIN beside INT32_MAX",
     [] {
         Shipowner& a = g_shipowners[0];
         a.net_worth_history[a.history_index] = INT32_MIN;
         Shipowner& b = g_shipowners[1];
         b.net_worth_history[b.history_index] = INT32_MAX;
     }},
    {"credit, rate and days at the top",
     [] {
         Shipowner& a = g_shipowners[0];
         a.credit = INT32_MAX;
         a.credit_rate = INT8_MAX;
         a.credit_days = INT32_MAX;
         a.credit_period = 0;
         a.expenses_interest = INT32_MAX;
         a.expenses_general = INT32_MAX;
         a.office_neglect_days = INT32_MAX;
     }},
    {"status and subsidy at the ends",
     [] {
         g_shipowners[0].status = INT32_MAX;
         g_shipowners[0].subsidy_status = INT32_MAX;
         g_shipowners[1].status = 0;
         g_shipowners[1].subsidy_status = INT32_MIN;
     }},
    {"speed, costs and fuel at the top",
     [] {
         every_ship([](Ship* s) {
             s->speed = INT32_MAX;
             s->costs_per_day = INT32_MAX;
             s->fuel = INT32_MIN;
             s->fuel_per_day = INT32_MAX;
             s->charter_days = INT32_MAX;
             s->mortgage_days = INT32_MAX;
             s->mortgage_period = 0;
             s->mortgage = INT32_MAX;
             s->mortgage_rate = INT8_MAX;
         });
     }},
    {"sailed miles and condition at the bottom",
     [] {
         every_ship([](Ship* s) {
             s->sailed_nm = INT32_MIN;
             s->condition = INT32_MIN;
         });
         first_ship()->condition = INT32_MAX;
     }},
    {"day and daily phase at the top", [] { g_day = INT32_MAX; g_daily_phase = INT32_MAX; }},
    {"day at the bottom", [] { g_day = INT32_MIN; g_daily_phase = INT32_MIN; }},
};

// A player who answers every box of the day with Enter: the message boxes wait for an answer
// whatever the quit flag says.
void answer_with_enter(void*) {
    if (headless_pending_events() == 0) headless_script(headless_now() + 100, HEADLESS_KEY, 13);
}

class ExtremeNumbers : public GameFileTest {
  protected:
    void SetUp() override {
        GameFileTest::SetUp();
        headless_set_sleep_hook(answer_with_enter, nullptr);
    }
    void TearDown() override {
        headless_set_sleep_hook(nullptr, nullptr);
        g_quit = 0;
        GameFileTest::TearDown();
    }
};

TEST_F(ExtremeNumbers, CraftedSavesLoadDrawAndPlayThirtyDays) {
    harness_load_game_data();
    for (const ExtremeCase& c : kCases) {
        SCOPED_TRACE(c.what);
        all_state_reset();
        make_known_game();
        c.craft();
        ASSERT_EQ(save_game_file("games/extreme.trp"), GAME_SAVE_OK);
        clear_game();
        ASSERT_EQ(load_game_file("games/extreme.trp"), GAME_LOAD_OK);

        MainLoop loop = {};
        main_screen_enter(&loop);
        // Every letter and screen of a day closes as soon as it has been drawn.
        g_quit = 1;
        for (int32_t d = 0; d < 30; ++d) {
            if (day_step() != 0) {
                show_main_screen();
                restore_main_screen();
            }
            redraw_world_map(0);
            draw_status_panel();
        }
        g_quit = 0;
        clear_game();
    }
}

}  // namespace
