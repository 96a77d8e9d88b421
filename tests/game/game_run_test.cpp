// A whole game on the headless host: the program's game thread from start-up to farewell, played by
// a scripted player that looks at what is on screen after every sleep and answers it the way a
// person would: skips the intro, declines the load, sets up two shipowners, runs the clock for 400
// days, answers the letters, saves, quits. The saved file is then loaded back and checked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "game/state_reset.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "world/game_file.h"
#include "game/game_main.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "world/ports.h"
#include "world/records.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/harness/draw_trace.h"
#include "tests/harness/game_program.h"
#include "tests/harness/harness.h"
#include "views/world_map.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/game_file_name.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t DAYS_TO_PLAY = 400;
constexpr uint32_t TITLE_MS = 122 * 16;               // the title's ticks
constexpr uint32_t REACTION_MS = 250;             // a player's pause before each answer
constexpr uint32_t GIVE_UP_MS = 3u * 3600u * 1000u;  // three virtual hours: the game hangs

bool in_gadget_list(const Gadget* g) {
    for (const Gadget* p = g_gadget_list; p != nullptr; p = p->next)
        if (p == g) return true;
    return false;
}

// What the scripted player knows and has done.
struct Player {
    const char* names[2] = {"Ahab", "Nemo"};
    const char* companies[2] = {"Pequod", "Nautilus"};
    int32_t forms_done = 0;       // registration forms filled in
    int32_t pickers_done = 0;     // home-port pickers answered
    int32_t letters = 0;          // letters read
    int32_t questions = 0;        // questions answered
    bool clock_started = false;
    bool clock_stopped = false;
    bool saved = false;
    bool quit_asked = false;
    int32_t stop_day = -1;
    int32_t day_at_save = -1;
    std::vector<int32_t> cash_by_day[2];  // entry d - 1 for day d
    std::vector<uint8_t> main_screen;  // the frame when the save was asked for
    uint32_t next_action = 0;
    bool intro_skipped = false;
};

void act_in(uint32_t ms, Player* p) { p->next_action = headless_now() + ms; }

void answer_question(Player* p) {
    // In turn: the load question at the start (no), the quit question (yes), and the offer of
    // statistics at the end (no).
    ++p->questions;
    headless_script(headless_now(), HEADLESS_KEY, p->quit_asked && p->questions == 2 ? 'y' : 'n');
}

void fill_in_form(Player* p) {
    const Gadget* field = g_active_entry_field;
    int32_t owner = p->forms_done;
    if (field->id == 200) {
        headless_script_text(headless_now(), p->names[owner]);
        headless_script(headless_now() + 100 * static_cast<uint32_t>(std::strlen(p->names[owner])),
                        HEADLESS_KEY, 13);
    } else {
        headless_script_text(headless_now(), p->companies[owner]);
        uint32_t done = headless_now() + 100 * static_cast<uint32_t>(std::strlen(p->companies[owner]));
        headless_script(done, HEADLESS_KEY, 13);
        headless_script_click(done + 300, 20, 194);  // the form's OK
        ++p->forms_done;
    }
}

void play_main_screen(Player* p) {
    if (!p->clock_started) {
        p->clock_started = true;
        headless_script(headless_now(), HEADLESS_KEY, ' ');
    } else if (!p->clock_stopped && g_day >= DAYS_TO_PLAY) {
        p->clock_stopped = true;
        headless_script(headless_now(), HEADLESS_KEY, ' ');
        act_in(2000, p);  // let the stop show before saving
    } else if (p->clock_stopped && !p->saved) {
        p->saved = true;
        p->stop_day = g_day;
        p->main_screen.assign(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
        headless_script(headless_now(), HEADLESS_KEY, 'S');
    } else if (p->saved && !p->quit_asked) {
        p->quit_asked = true;
        headless_script(headless_now(), HEADLESS_KEY, 'Q');
    }
}

void on_sleep(void* context) {
    auto* p = static_cast<Player*>(context);
    uint32_t now = headless_now();
    if (now > GIVE_UP_MS) {
        // Nothing the player can do ends the game: report it and stop the process, or the run
        // would hang until the test's time-out.
        std::fprintf(stderr,
                     "game hung at day %d (virtual %u ms): forms %d, letters %d, questions %d, clock %d/%d, "
                     "saved %d, quit asked %d, main screen %d, buttons %d\n",
                     static_cast<int>(g_day), now, p->forms_done, p->letters, p->questions, p->clock_started,
                     p->clock_stopped, p->saved, p->quit_asked, g_main_screen_shown, g_screen_button_last);
        std::fflush(stderr);
        std::_Exit(3);
    }
    // Each shipowner's cash at the end of every day: the last sight of it before the next day
    // begins (the day counter moves first thing in a day, before any money does).
    if (g_shipowner_count == 2 && g_day >= 1) {
        for (int32_t i = 0; i < 2; ++i) {
            std::vector<int32_t>& cash = p->cash_by_day[i];
            cash.resize(static_cast<size_t>(g_day));
            cash.back() = g_shipowners[i].cash;
        }
    }
    if (headless_pending_events() != 0 || now < p->next_action) return;
    act_in(REACTION_MS, p);

    if (in_gadget_list(&g_letter_ok_gadget)) {
        ++p->letters;
        headless_script(now, HEADLESS_KEY, 13);
    } else if (in_gadget_list(&g_ask_yes_gadget)) {
        answer_question(p);
    } else if (in_gadget_list(&g_message_ok_gadget)) {
        headless_script(now, HEADLESS_KEY, 13);
    } else if (g_active_entry_field != nullptr) {
        auto* field = static_cast<const EntryFieldInfo*>(g_active_entry_field->special);
        if (field->buffer == g_game_file_pattern) {
            // The file requester starts in its drawer field: keep the drawer, go on to the name.
            headless_script(now, HEADLESS_KEY, 13);
        } else if (field->buffer == g_file_name_field) {
            if (p->day_at_save < 0) {
                p->day_at_save = g_day;
                headless_script_text(now, "trial\r\r");  // ends the field, then OK
            }
            act_in(2000, p);
        } else if (p->forms_done < 2) {
            fill_in_form(p);
            act_in(3000, p);
        }
    } else if (g_main_screen_shown == 1 && g_screen_button_last < 0) {
        play_main_screen(p);
    } else if (g_screen_button_last >= 28) {
        // The home-port picker: the first shipowner keeps the port offered, the second takes the
        // third of the list.
        if (p->pickers_done++ == 1) headless_script(now, HEADLESS_KEY, '3');
        headless_script(now + 200, HEADLESS_KEY, 13);
    } else if (g_screen_button_last >= 0) {
        // The set-up's choices (each offers what we want: until the end, expert, with simulation,
        // two shipowners) and the home port on the globe.
        headless_script(now, HEADLESS_KEY, 13);
    } else if (!p->intro_skipped && now >= TITLE_MS) {
        // Once the title has shown, the space bar skips the intro. Only once: a key pressed
        // later would answer the load question that follows.
        p->intro_skipped = true;
        headless_script(now, HEADLESS_KEY, ' ');
    }
}

class WholeGame : public testing::Test {
  protected:
    void SetUp() override { game_program_set_up(); }
    void TearDown() override { game_program_tear_down(); }

    // game_main as the program runs it; the engine's buffers and fonts are its own.
    static void run_program(Player* player) {
        game_program_run(on_sleep, player);
    }
};

// The draws of the start, the set-up of the two shipowners, and the first 30 days, against golden
// traces. Checked by hand against the order the game gives its draws:
// - the start: the office styles are shuffled in 35 rounds of three random_range(0, 100); the
//   set-up then draws random_range(1, 2) on every poll of its duration dialog (five here), one
//   remark for the difficulty chosen (expert: random_range(4, 7)), and one farewell remark
//   random_range(0, 9) per completed registration form;
// - day 1 (and every day of a game without ships): the weather's 72 cells, row by row, each
//   random_range(b - v - 12, b - v + 12) around its climate value b, then the freight index
//   random_range(-120, 120); the tills of an expert's offices are safe for the first 140 days, so
//   no theft draws fall in the first 30. The main screen's map, redrawn after the day, then places
//   the number of every storm of force 8 or more with random_range(-2, 2) for x, then for y.
void expect_traces(const std::vector<TracedDraw>& all) {
    std::vector<TracedDraw> start, days;
    for (const TracedDraw& d : all) {
        if (d.day == 0) start.push_back(d);
        if (d.day >= 1 && d.day <= 30) days.push_back(d);
    }
    EXPECT_EQ(draw_trace_compare(start, "game/golden/start_and_setup_two_shipowners.trace"), "");
    EXPECT_EQ(draw_trace_compare(days, "game/golden/days_1_to_30.trace"), "");
    ASSERT_GE(days.size(), 73u);
    for (int32_t k = 0; k < 72; ++k) EXPECT_EQ(days[static_cast<size_t>(k)].hi - days[static_cast<size_t>(k)].lo, 24) << "weather cell " << k;
    EXPECT_EQ(days[72].lo, -120);
    EXPECT_EQ(days[72].hi, 120);
    for (size_t k = 73; k < days.size() && days[k].day == 1; ++k)
        EXPECT_TRUE(days[k].lo == -2 && days[k].hi == 2) << "storm number " << k - 73 << " on the map";
    ASSERT_EQ(start.size(), 113u);
    for (int32_t k = 0; k < 105; ++k) EXPECT_EQ(start[static_cast<size_t>(k)].hi, 100) << "office style round " << k / 3;
    EXPECT_EQ(start[110].lo, 4) << "an expert's remark";
    EXPECT_EQ(start[110].hi, 7);
}

TEST_F(WholeGame, FourHundredDaysSavedAndLoadedBack) {
    static Player player;
    static std::vector<TracedDraw> draws;
    draw_trace_start(&draws);
    run_program(&player);
    draw_trace_stop();
    expect_traces(draws);

    ASSERT_TRUE(player.saved) << "the game ended before the player could save";
    EXPECT_EQ(player.forms_done, 2);
    EXPECT_GE(player.stop_day, DAYS_TO_PLAY);
    EXPECT_EQ(player.day_at_save, player.stop_day) << "the clock stands while the file is saved";
    ASSERT_TRUE(fs::exists("games/trial.trp"));

    // Back from the file into empty records.
    g_shipowner_count = 0;
    g_day = 0;
    ASSERT_EQ(load_game_file("games\\trial.trp"), GAME_LOAD_OK);
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_EQ(g_day, player.stop_day);
    EXPECT_EQ(g_difficulty, 2) << "expert, the choice offered";
    EXPECT_EQ(player.questions, 3) << "load, quit, statistics";
    EXPECT_GE(g_ship_price_index, 745);
    EXPECT_LE(g_ship_price_index, 1256);
    EXPECT_GE(g_freight_index, g_ship_price_index - 120);
    EXPECT_LE(g_freight_index, g_ship_price_index + 120);
    int32_t thefts = 0;
    for (int32_t i = 0; i < 2; ++i) {
        const Shipowner& owner = g_shipowners[i];
        SCOPED_TRACE(owner.name);
        EXPECT_STREQ(owner.name, player.names[i]);
        EXPECT_STREQ(owner.company, player.companies[i]);
        EXPECT_EQ(owner.ships, nullptr);
        EXPECT_EQ(owner.out_of_game, 0);
        // Without ships a day costs 2 k$ from the starting 4100 k$; a day that costs more is a
        // theft from the till (10..20 % of the cash), whose letter the player read.
        const std::vector<int32_t>& cash = player.cash_by_day[i];
        ASSERT_EQ(static_cast<int32_t>(cash.size()), player.stop_day);
        EXPECT_EQ(owner.cash, cash.back());
        int32_t before = 4100;
        for (int32_t d = 1; d <= player.stop_day; ++d) {
            int32_t spent = before - cash[static_cast<size_t>(d - 1)];
            if (spent != 2) {
                ++thefts;
                int32_t taken = spent - 2;
                EXPECT_GE(taken, (before - 2) / 10) << "day " << d;
                EXPECT_LE(taken, (before - 2) / 5) << "day " << d;
                EXPECT_GT(d, 140) << "an expert's till is safe for 140 days";
            }
            before = cash[static_cast<size_t>(d - 1)];
        }
        // The ring holds the net worth of the last 256 days: with no ships, the cash.
        EXPECT_EQ(owner.history_index, player.stop_day & 255);
        for (int32_t k = 0; k < 256; ++k)
            EXPECT_EQ(owner.net_worth_history[(owner.history_index - k) & 255],
                      cash[static_cast<size_t>(player.stop_day - 1 - k)])
                << k << " days back";
    }
    EXPECT_EQ(player.letters, thefts) << "in a game without ships only the till thefts write letters";
    EXPECT_GE(thefts, 1) << "260 days of a neglected office without a theft";

    // The main screen as the save was asked for: the week and year numbers printed, and both
    // net-worth bars standing on the baseline, the richer one full height.
    const std::vector<uint8_t>& frame = player.main_screen;
    auto at = [&](int32_t x, int32_t y) { return frame[static_cast<size_t>(y * SCREEN_WIDTH + x)]; };
    auto whites = [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        int32_t n = 0;
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) n += at(x, y) == 15 ? 1 : 0;
        return n;
    };
    EXPECT_GT(whites(144, 183, 159, 193), 5) << "week";
    EXPECT_GT(whites(205, 183, 220, 193), 5) << "year";
    const int32_t bar_x[2] = {261, 274};
    int32_t tallest = 0;
    for (int32_t i = 0; i < 2; ++i) {
        EXPECT_EQ(at(bar_x[i] + 8, 193), g_owner_colours[i]) << "bar " << i;
        EXPECT_EQ(at(bar_x[i] + 8, 157), 0) << "above bar " << i;
        if (at(bar_x[i] + 8, 160) == g_owner_colours[i]) ++tallest;
    }
    EXPECT_GE(tallest, 1);
    EXPECT_NE(g_shipowners[0].home_port, g_shipowners[1].home_port);
    free_all_ships(g_shipowner_count);
}

}  // namespace
