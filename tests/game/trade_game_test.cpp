// A trading game on the headless host, in pure economy: the program's game thread from start-up to
// farewell, played by a scripted player that looks at what is on screen after every sleep and
// answers it. One shipowner buys a model 5 at the broker, charters it from the home port, departs,
// sails, arrives and is paid, has it repaired, bunkers, lays it up, sails a second voyage on an
// express charter at the slowest speed and is fined for being late, then sells the ship. At every
// sleep the cash and the four accounts agree (a tow, which moves the cash alone, aside), and every
// day's entry of the net-worth ring is the net worth that day left. The game is played twice: once
// straight through, once with a save and a load in the middle of the first voyage; from the day
// after the load both runs show the same frames.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/random.h"
#include "game/game_main.h"
#include "game/state_reset.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/harness/draw_trace.h"
#include "tests/harness/game_program.h"
#include "tests/harness/harness.h"
#include "tests/harness/player_view.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/game_file_name.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "world/cargoes.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/ship_types.h"

namespace {

constexpr uint32_t TITLE_MS = 122 * 16;
constexpr uint32_t REACTION_MS = 250;
constexpr uint32_t GIVE_UP_MS = 3u * 3600u * 1000u;
constexpr int32_t START_CASH = 4100;
constexpr int32_t EXPRESS_TRIES = 15;  // visits the player waits for an express cargo
constexpr int32_t FIRST_ROUTE_MIN_NM = 1500;

// A screen button of the current layout at (x, y) with this command.
Ship* the_ship() { return g_shipowner_count >= 1 ? g_shipowners[0].ships : nullptr; }

enum class Stage {
    BUY,             // to the broker for a model 5
    FIRST_CHARTER,   // the first visit: an ordinary charter, then depart
    FIRST_VOYAGE,    // under way; the save and load fall here in the second run
    REPAIR,          // the visit after the first voyage: paid, then to the shipyard
    BUNKER,          // the visit after the yard: bunker, then lay up
    EXPRESS,         // visits looking for an express cargo
    EXPRESS_VOYAGE,  // under way at the slowest speed
    SELL,            // fined on arrival; laid up, then sold at the broker
    QUIT,
};

enum class Save { NONE, STOPPING, SAVING, LOADING, DONE };

struct Player {
    bool save_and_load = false;  // the second run
    Stage stage = Stage::BUY;
    Save save = Save::NONE;
    uint32_t next_action = 0;
    bool intro_skipped = false;
    int32_t form_fields = 0;
    int32_t questions = 0;
    int32_t letters = 0;
    bool quit_pending = false;  // the quit key was pressed; its question is next
    bool quit_done = false;
    bool name_typed = false;
    bool in_broker = false;  // from the broker key until the lift panel's way out
    bool bunker_filled = false;
    bool bunkered = false;
    int32_t passage_tries = 0;
    bool panel_slowed = false;
    int32_t express_tries = 0;
    int32_t market_day = -1;
    int32_t market_route_row = -1;
    int32_t market_cargo_row = 0;
    bool market_clicked = false;
    bool market_done = false;
    // What was seen.
    bool started = false;
    bool broken_books = false;
    bool broken_ring = false;
    int32_t checked_days = 0;
    int32_t last_ring_index = -1;
    int32_t tow_cash = 0;  // k$ the tows took from the cash
    int32_t tows = 0;
    bool dry = false;
    int32_t bought_model = 0;
    int32_t cash_after_purchase = 0;
    int32_t first_route = 0;
    int32_t first_freight = 0;  // $
    int32_t first_income = 0;   // k$ the first arrival booked
    int32_t income_before_arrival = 0;
    int32_t condition_before_repair = 0;
    int32_t condition_after_yard = 0;
    int32_t fuel_after_bunker = -1;
    int32_t express_freight = 0;
    int32_t express_penalty = 0;
    int32_t express_allowed = 0;
    int32_t fine_expected = -1;  // $
    int32_t general_before_fine = 0;
    bool fine_box_open = false;
    int32_t fine_booked = -1;  // k$
    int32_t layups = 0;
    bool sold = false;
    int32_t save_day = -1;
    uint16_t random_at_stop[3] = {};
    bool resumed = false;
    int32_t resume_day = -1;
    int32_t last_frame_day = -1;
    std::vector<uint64_t> frames;  // after the resume: at every new day and at every answer
    std::vector<int32_t> frame_days;
    int32_t visit_day = -1;  // the day of the first harbour visit
};

void act(Player* p, uint32_t after = REACTION_MS) { p->next_action = headless_now() + after; }

void key(int32_t k) { headless_script(headless_now(), HEADLESS_KEY, k); }

void type(const char* text) { headless_script_text(headless_now(), text); }

void note_frame(Player* p) {
    if (!p->resumed || p->quit_pending || p->quit_done || g_day <= p->resume_day) return;
    p->frames.push_back(screen_hash());
    p->frame_days.push_back(g_day);
}

// The books after every sleep: the cash moves with the accounts but for the tows, and the newest
// entry of the net-worth ring, once a day has recorded it, is the net worth the day left.
void check_books(Player* p) {
    const Shipowner& o = g_shipowners[0];
    const Ship* s = the_ship();
    const bool dry = s != nullptr && !ship_in_port(s) && s->fuel == 0;
    if (dry && !p->dry) {
        // Towed: the tow's cost left the cash alone.
        ++p->tows;
        p->tow_cash = o.cash - START_CASH - books_ledger(o);
    }
    p->dry = dry;
    if (o.cash - START_CASH - p->tow_cash != books_ledger(o) && !p->broken_books) {
        p->broken_books = true;
        ADD_FAILURE() << "day " << g_day << ": cash " << o.cash << " but the accounts book " << books_ledger(o);
    }
    if (o.history_index != p->last_ring_index && o.history_index == (g_day & 255)) {
        p->last_ring_index = o.history_index;
        ++p->checked_days;
        if (o.net_worth_history[o.history_index] != owner_net_worth(0) && !p->broken_ring) {
            p->broken_ring = true;
            ADD_FAILURE() << "day " << g_day << ": the ring holds " << o.net_worth_history[o.history_index]
                          << ", the net worth is " << owner_net_worth(0);
        }
    }
}

// The charter market: a route of at least FIRST_ROUTE_MIN_NM, then the cargo rows one by one until
// the offer wanted shows: paying and plain on the first voyage, express on the second.
void play_market(Player* p) {
    const Ship* s = the_ship();
    if (p->market_done) return;
    if (p->market_route_row < 0) {
        int32_t row = 0;
        int32_t best = 0;
        int32_t best_length = -1;
        for (int32_t r = 1; r <= ROUTE_COUNT && button_at(10, 15 + 15 * row, 100 + row); ++r) {
            const Route& route = g_route_table[r];
            if (route.port_a != s->port && route.port_b != s->port) continue;
            if (route.length >= FIRST_ROUTE_MIN_NM && (best_length < 0 || route.length < best_length)) {
                best = row;
                best_length = route.length;
            }
            ++row;
        }
        p->market_route_row = best;
        p->market_cargo_row = 0;
        p->market_clicked = false;
        headless_script_click(headless_now(), 20, 20 + 15 * best);
        act(p, 400);
        return;
    }
    if (!p->market_clicked) {
        headless_script_click(headless_now(), 150, 20 + 15 * p->market_cargo_row);
        p->market_clicked = true;
        act(p, 400);
        return;
    }
    // The offer of the row just clicked is on screen, and in the ship's record.
    const bool express = p->stage == Stage::EXPRESS;
    if (s->freight > 0 && (express ? s->penalty_per_day >= 1 : s->penalty_per_day == 0)) {
        p->market_done = true;
        key(13);
    } else {
        ++p->market_cargo_row;
        p->market_clicked = false;
        if (!button_at(145, 15 + 15 * p->market_cargo_row, 200 + p->market_cargo_row)) {
            p->market_done = true;  // nothing of the kind this visit: out without a charter
            key(27);
        }
    }
    act(p);
}

void play_harbour_menu(Player* p) {
    const Ship* s = the_ship();
    const Shipowner& o = g_shipowners[0];
    p->market_route_row = -1;
    p->market_done = false;
    if (p->visit_day < 0) p->visit_day = g_day;
    switch (p->stage) {
        case Stage::FIRST_CHARTER:
            if (s->route == 0) {
                key('3');
            } else {
                p->first_freight = s->freight;
                p->first_route = s->route;
                p->stage = Stage::FIRST_VOYAGE;
                key(13);  // depart
            }
            break;
        case Stage::FIRST_VOYAGE:
            // Arrived and paid: to the yard.
            p->first_income = o.income_shipping - p->income_before_arrival;
            p->condition_before_repair = s->condition;
            p->stage = Stage::REPAIR;
            key('1');
            break;
        case Stage::REPAIR:
        case Stage::BUNKER:
            if (p->stage == Stage::REPAIR) p->condition_after_yard = s->condition;
            p->stage = Stage::BUNKER;
            if (!p->bunkered) {
                p->bunker_filled = false;
                key('2');
            } else {
                ++p->layups;
                p->stage = Stage::EXPRESS;
                key('4');
            }
            break;
        case Stage::EXPRESS:
            if (s->route != 0) {
                p->express_freight = s->freight;
                p->express_penalty = s->penalty_per_day;
                p->express_allowed = s->allowed_days;
                p->stage = Stage::EXPRESS_VOYAGE;
                key(13);
            } else if (p->express_tries >= EXPRESS_TRIES) {
                p->stage = Stage::SELL;  // no express cargo came up: the test fails, the game ends
                key('4');
            } else if (p->market_day != g_day) {
                p->market_day = g_day;
                ++p->express_tries;
                key('3');
            } else {
                ++p->layups;  // a day laid up, waiting for the next visit's market
                key('4');
            }
            break;
        case Stage::EXPRESS_VOYAGE:
        case Stage::SELL:
            p->stage = Stage::SELL;
            ++p->layups;
            key('4');
            break;
        default:
            key('4');
            break;
    }
    act(p);
}

void play_main_screen(Player* p) {
    const Ship* s = the_ship();
    const bool running = g_run_button_state == RUN_RUNNING;
    if (!p->started) {
        p->started = true;
        check_books(p);
    }
    if (p->stage == Stage::BUY && s != nullptr) {
        p->stage = Stage::FIRST_CHARTER;
        p->bought_model = s->ship_type;
        p->cash_after_purchase = g_shipowners[0].cash;
    }
    if (p->in_broker) return;  // the lift rides: the main screen's flag stays up in the building
    if (p->stage == Stage::BUY) {
        p->in_broker = true;
        key('3');
    } else if (p->save == Save::STOPPING) {
        if (running) return;
        if (p->save_and_load) {
            p->random_at_stop[0] = g_random_seed;
            p->random_at_stop[1] = g_random_counter;
            p->random_at_stop[2] = g_random_value;
            p->save = Save::SAVING;
            key('S');
        } else {
            p->save = Save::DONE;
            p->resumed = true;
            p->resume_day = g_day;
            key(' ');
        }
    } else if (p->save == Save::SAVING) {
        p->save = Save::LOADING;
        key('L');
    } else if (p->save == Save::LOADING) {
        // Loaded. The generator is the program's, not the game's: it goes on from where it stood
        // when the clock stopped, as in the run without the load (the fresh main screen drew its
        // storm numbers with it).
        g_random_seed = p->random_at_stop[0];
        g_random_counter = p->random_at_stop[1];
        g_random_value = p->random_at_stop[2];
        p->save = Save::DONE;
        p->resumed = true;
        p->resume_day = g_day;
        key(' ');
    } else if (p->stage == Stage::FIRST_VOYAGE && p->save == Save::NONE && s != nullptr && running &&
               !ship_in_port(s) && s->loading_days == 0 && s->sailed_nm > 0) {
        // Out on the first voyage: the clock stops for the save.
        p->save = Save::STOPPING;
        p->save_day = g_day;
        p->income_before_arrival = g_shipowners[0].income_shipping;
        key(' ');
        act(p, 2000);
        return;
    } else if (p->stage == Stage::SELL && s != nullptr) {
        p->in_broker = !running;
        key(running ? ' ' : '3');
    } else if (p->stage == Stage::SELL && s == nullptr) {
        p->stage = Stage::QUIT;
        p->quit_pending = true;
        key('Q');
    } else if (!running && p->stage != Stage::QUIT) {
        key(' ');
    } else {
        return;  // the clock runs: nothing to do
    }
    act(p);
}

// The broker's building: the lift panel, the 4th floor, the sellers market on the 2nd.
bool play_broker(Player* p) {
    const Ship* s = the_ship();
    if (button_labelled("5", 50, 40)) {
        if (p->stage == Stage::BUY && s == nullptr) {
            key('4');
        } else if (p->stage == Stage::SELL && s != nullptr) {
            key('2');
        } else {
            p->in_broker = false;
            key(13);  // out of the building
        }
    } else if (button_labelled(" Info", 210, 75)) {
        key(s == nullptr ? '3' : 13);  // buy the third model of the floor, or back to the lift
    } else if (button_labelled("  Accept offer", 0, 185)) {
        p->sold = true;
        key(13);
    } else if (button_labelled("  no", 50, 185)) {
        key(s != nullptr ? 13 : 'n');
    } else {
        return false;
    }
    act(p);
    return true;
}

bool play_entry_field(Player* p) {
    const Gadget* field = g_active_entry_field;
    if (field == nullptr) return false;
    const auto* info = static_cast<const EntryFieldInfo*>(field->special);
    if (info->buffer == g_game_file_pattern) {
        key(13);  // the drawer stays; on to the name
    } else if (info->buffer == g_file_name_field) {
        if (p->name_typed) return true;
        p->name_typed = true;
        type(p->quit_done ? "final\r\r" : "voyage\r\r");
        act(p, 2000);
        return true;
    } else if (field->id == 200) {
        type("Ahab");
        headless_script(headless_now() + 400, HEADLESS_KEY, 13);
        act(p, 1000);
        return true;
    } else if (field->id == 201) {
        type("Pequod");
        headless_script(headless_now() + 600, HEADLESS_KEY, 13);
        headless_script_click(headless_now() + 900, 20, 194);  // the form's OK
        act(p, 3000);
        return true;
    } else if (button_at(230, 185, 2) || button_at(210, 185, 2)) {
        key(13);  // the lay-up's one day, the repair's whole percentage
    } else if (field->id == 2) {
        type("Aurora\r");  // the new ship's name
        act(p, 1000);
        return true;
    } else if (field->id == 3) {
        type("10\r");  // ten per cent more down
        act(p, 1000);
        return true;
    } else {
        return false;
    }
    act(p);
    return true;
}

void on_sleep(void* context) {
    auto* p = static_cast<Player*>(context);
    const uint32_t now = headless_now();
    if (now > GIVE_UP_MS) {
        std::fprintf(stderr, "the trading game hung at day %d, stage %d, save %d\n", static_cast<int>(g_day),
                     static_cast<int>(p->stage), static_cast<int>(p->save));
        std::fflush(stderr);
        std::_Exit(3);
    }
    if (p->started && g_shipowner_count == 1) check_books(p);
    if (p->resumed && !p->quit_pending && !p->quit_done && g_day != p->last_frame_day && g_day > p->resume_day) {
        p->last_frame_day = g_day;
        note_frame(p);
    }
    const Shipowner& o = g_shipowners[0];
    const Ship* s = the_ship();
    const bool box = gadget_listed(&g_message_ok_gadget);
    if (p->fine_box_open && !box) {
        p->fine_box_open = false;
        p->fine_booked = o.expenses_general - p->general_before_fine;
    }
    if (g_active_entry_field == nullptr || static_cast<const EntryFieldInfo*>(g_active_entry_field->special)->buffer !=
                                               g_file_name_field)
        p->name_typed = false;
    const bool passage = button_at(170, 160, 2) && button_at(170, 185, 1);
    if (!passage && !box) p->passage_tries = 0;
    if (headless_pending_events() != 0 || now < p->next_action) return;

    if (gadget_listed(&g_letter_ok_gadget)) {
        ++p->letters;
        note_frame(p);
        key(13);
    } else if (gadget_listed(&g_ask_yes_gadget)) {
        note_frame(p);
        ++p->questions;
        const bool yes = p->save == Save::LOADING || p->quit_pending;
        if (p->quit_pending) {
            p->quit_pending = false;
            p->quit_done = true;
        }
        key(yes ? 'y' : 'n');
    } else if (box) {
        note_frame(p);
        if (p->stage == Stage::EXPRESS_VOYAGE && s != nullptr && s->route != 0 && s->freight == 0 &&
            s->penalty_per_day >= 1 && ship_in_port(s) && !p->fine_box_open) {
            // The late fine's box, shown as the freight was booked.
            p->fine_expected = s->penalty_per_day * (s->charter_days - s->allowed_days);
            p->general_before_fine = o.expenses_general;
            p->fine_box_open = true;
        }
        key(13);
    } else if (play_entry_field(p)) {
        note_frame(p);
        return;
    } else if (slider_up()) {
        note_frame(p);
        if (p->stage == Stage::EXPRESS_VOYAGE && !p->panel_slowed) {
            p->panel_slowed = true;
            key('"');  // the slowest speed
        } else {
            key(13);
        }
    } else if (passage) {
        note_frame(p);
        // The tug, and by hand when it was refused.
        key(p->passage_tries++ == 0 ? 13 : '1');
    } else if (button_at(40, 133, 202) && button_at(40, 181, 1)) {
        note_frame(p);
        play_harbour_menu(p);
        return;
    } else if (button_at(40, 133, 1)) {
        note_frame(p);
        key(13);  // detained
    } else if (button_at(215, 185, 2) && button_at(0, 185, 1)) {
        note_frame(p);
        play_market(p);
        return;
    } else if (button_at(51, 54, 13)) {
        note_frame(p);
        if (!p->bunker_filled) {
            p->bunker_filled = true;
            key('1');  // full
            act(p, 3000);
            return;
        }
        p->bunkered = true;
        p->fuel_after_bunker = s->fuel;
        key(13);
    } else if (play_broker(p)) {
        note_frame(p);
        return;
    } else if (button_at(90, 30, 10)) {
        key('1');  // the first shipowner
    } else if (g_main_screen_shown == 1 && g_screen_button_last < 0) {
        if (!p->in_broker && g_run_button_state != RUN_RUNNING) note_frame(p);
        play_main_screen(p);
        return;
    } else if (g_screen_button_last >= 28) {
        key(13);  // the home port offered
    } else if (button_at(70, 138, 101)) {
        key(g_selected_button == 1 ? 13 : '2');  // pure economy
    } else if (button_at(130, 129, 100)) {
        key(g_selected_button == 0 ? 13 : '1');  // one shipowner
    } else if (g_screen_button_last >= 0) {
        note_frame(p);
        key(13);
    } else if (!p->intro_skipped && now >= TITLE_MS) {
        p->intro_skipped = true;
        key(' ');
    } else {
        return;
    }
    act(p);
}

class TradeGame : public testing::Test {
  protected:
    void SetUp() override { game_program_set_up(); }
    void TearDown() override { game_program_tear_down(); }

    // game_main as the program runs it, from a fresh engine; the wall time it took, in ms.
    static double run_program(Player* player, std::vector<TracedDraw>* draws = nullptr) {
        game_program_set_up();
        if (draws != nullptr) draw_trace_start(draws);
        const double ms = game_program_run(on_sleep, player);
        draw_trace_stop();
        return ms;
    }
};

// The draws of the day of the first harbour visit, against a golden trace. Checked by hand against
// the order the game gives its draws: the day's weather (72 cells) and freight index first; then the
// visit shows the world map with the ship, whose storm numbers take random_range(-2, 2) for x, then
// for y; then the visit's 31 rolls random_range(0, 999) before anything is settled or shown, then
// at departure the smuggling offer's random_range(0, 100) (no offer: 85 is above the home port's
// chance); after the day the main screen's map places its storm numbers once more.
void expect_visit_trace(const std::vector<TracedDraw>& all, int32_t day) {
    const std::vector<TracedDraw> visit = draw_trace_of_day(all, day);
    EXPECT_EQ(draw_trace_compare(visit, "game/golden/first_harbour_visit.trace"), "");
    ASSERT_GE(visit.size(), 105u);
    for (size_t k = 0; k < 72; ++k) EXPECT_EQ(visit[k].hi - visit[k].lo, 24) << "weather cell " << k;
    EXPECT_EQ(visit[72].lo, -120);
    size_t k = 73;
    while (k < visit.size() && visit[k].lo == -2 && visit[k].hi == 2) ++k;
    EXPECT_EQ((k - 73) % 2, 0u) << "storm numbers go in pairs";
    ASSERT_GE(visit.size(), k + 32);
    for (size_t r = 0; r < 31; ++r) {
        EXPECT_EQ(visit[k + r].lo, 0) << "roll " << r;
        EXPECT_EQ(visit[k + r].hi, 999) << "roll " << r;
    }
    EXPECT_EQ(visit[k + 31].lo, 0) << "the smuggling offer";
    EXPECT_EQ(visit[k + 31].hi, 100);
    for (size_t m = k + 32; m < visit.size(); ++m)
        EXPECT_TRUE(visit[m].lo == -2 && visit[m].hi == 2) << "storm number on the map after the day, draw " << m;
}

TEST_F(TradeGame, BuyCharterSailRepairExpressFineAndSell) {
    static Player straight;
    static Player reloaded;
    static std::vector<TracedDraw> draws;
    straight = Player{};
    reloaded = Player{};
    reloaded.save_and_load = true;

    const double straight_ms = run_program(&straight, &draws);
    const double reloaded_ms = run_program(&reloaded);
    std::printf("the trading game ran headless in %.0f ms (straight) and %.0f ms (with a save and a load), "
                "%d days; freight %d $, express fine %d $, %zu frames compared after day %d\n",
                straight_ms, reloaded_ms, static_cast<int>(g_day), static_cast<int>(straight.first_freight),
                static_cast<int>(straight.fine_expected), straight.frames.size(),
                static_cast<int>(straight.resume_day));
    RecordProperty("headless_ms", static_cast<int>(straight_ms));

    const Player& p = straight;
    SCOPED_TRACE("the straight run");
    EXPECT_EQ(p.stage, Stage::QUIT);
    EXPECT_TRUE(p.quit_done);
    EXPECT_TRUE(p.started);
    EXPECT_FALSE(p.broken_books);
    EXPECT_FALSE(p.broken_ring);
    EXPECT_GE(p.checked_days, 20);
    EXPECT_EQ(p.bought_model, 5);
    // 4000 k$ at the price index of day 0, 60 % of it down, the rest on mortgage.
    EXPECT_EQ(p.cash_after_purchase, START_CASH - 2400);
    EXPECT_GT(p.first_freight, 0);
    EXPECT_EQ(p.first_income, p.first_freight / 1000) << "the freight booked in whole k$";
    EXPECT_LT(p.condition_before_repair, 10000);
    EXPECT_GE(p.condition_after_yard, 10000 - g_ship_type_table[5].wear_per_day) << "repaired to 100 %";
    EXPECT_EQ(p.fuel_after_bunker, g_ship_type_table[5].bunker_t) << "bunkered full";
    EXPECT_GE(p.layups, 2);
    EXPECT_GT(p.express_penalty, 0);
    EXPECT_LT(p.express_allowed, 9999);
    EXPECT_TRUE(p.panel_slowed);
    EXPECT_GT(p.fine_expected, 0) << "late at the slowest speed";
    EXPECT_EQ(p.fine_booked, p.fine_expected / 1000) << "the fine booked in whole k$";
    EXPECT_TRUE(p.sold);
    EXPECT_EQ(p.tows, 0);
    expect_visit_trace(draws, p.visit_day);

    // The second run stopped at the same day and went on from its file as the first went on.
    EXPECT_EQ(reloaded.stage, Stage::QUIT);
    EXPECT_FALSE(reloaded.broken_books);
    EXPECT_FALSE(reloaded.broken_ring);
    EXPECT_EQ(reloaded.save, Save::DONE);
    EXPECT_EQ(reloaded.save_day, p.save_day);
    EXPECT_EQ(reloaded.resume_day, p.resume_day);
    EXPECT_GT(p.frames.size(), 50u);
    ASSERT_EQ(reloaded.frames.size(), p.frames.size());
    for (size_t k = 0; k < p.frames.size(); ++k) {
        if (reloaded.frames[k] != p.frames[k]) {
            ADD_FAILURE() << "frame " << k << " (day " << p.frame_days[k] << ") differs after the load";
            break;
        }
    }
    EXPECT_EQ(reloaded.fine_booked, p.fine_booked);
    EXPECT_EQ(reloaded.sold, true);
}

}  // namespace
