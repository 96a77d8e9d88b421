// The route's own events: where they fire in either direction, once a voyage; the canal fee on
// every passage, Cape Horn's award once a game, Bermuda's loss only for a poor ship; reefs, shoals
// and icebergs handing the ship to the player with their draws in order; the caption and the
// assisted-damage text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/random.h"
#include "tests/harness/case_name.h"
#include "tests/harness/draw_trace.h"
#include "tests/voyage/voyage_fixture.h"
#include "voyage/charts.h"
#include "voyage/route_events.h"
#include "voyage/sim_state.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

constexpr int32_t CANAL_ROUTE = 8;     // Marseilles - Dar-es-Salaam, fee at 1800 nm
constexpr int32_t BERMUDA_ROUTE = 10;  // Piraeus - Houston, at 5000 nm
constexpr int32_t HORN_ROUTE = 12;     // Cape Town - San Francisco, at 4360 nm
constexpr int32_t SHOALS_ROUTE = 44;   // Panama - Hamburg, 300 nm from Panama
constexpr int32_t REEF_ROUTE = 47;     // Singapore - Buenos Aires, at 1000 nm

class RouteEvents : public VoyageTest {
  protected:
    void SetUp() override {
        VoyageTest::SetUp();
        ship_->voyage_flags = 0;
        g_day_event = 0;
    }
    // The ship on route row, direction dir, sailed nm along it.
    void place(int32_t route, int32_t dir, int32_t sailed) {
        ship_->route = static_cast<int8_t>(route);
        ship_->direction = static_cast<int16_t>(dir);
        ship_->sailed_nm = sailed;
    }
    TextLines check() { return route_event_check(0, owner_, ship_); }
};

// ---- where an event fires -----------------------------------------------------------------------

struct PlaceCase {
    const char* what;
    int32_t route;
    int32_t direction;
    int32_t from_end;  // sailed_nm, or with from_b the miles still to sail to A
    bool from_b;
    bool fires;
};

class RouteEventPlace : public RouteEvents, public testing::WithParamInterface<PlaceCase> {};

TEST_P(RouteEventPlace, FiresOnlyPastThePosition) {
    const PlaceCase& c = GetParam();
    g_sim_mode = 1;  // the shoals only roll their chance
    int32_t length = g_route_table[c.route].length;
    place(c.route, c.direction, c.from_b ? length - c.from_end : c.from_end);
    int32_t cash = owner_->cash;
    std::vector<TracedDraw> trace;
    draw_trace_start(&trace);
    EXPECT_EQ(check(), nullptr);
    draw_trace_stop();
    EXPECT_EQ((ship_->voyage_flags & VOYAGE_ROUTE_EVENT_DONE) != 0, c.fires);
    EXPECT_EQ(g_day_event, c.fires ? 1 : 0);
    if (c.route == SHOALS_ROUTE) {
        EXPECT_EQ(trace.size(), c.fires ? 1u : 0u);
    }
    if (c.route == CANAL_ROUTE) {
        EXPECT_EQ(owner_->cash, c.fires ? cash - 70 : cash);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, RouteEventPlace,
    testing::Values(PlaceCase{"from A at the position itself", SHOALS_ROUTE, 1, 300, false, false},
                    PlaceCase{"from A one mile past", SHOALS_ROUTE, 1, 301, false, true},
                    PlaceCase{"from B with 300 to go", SHOALS_ROUTE, -1, 300, true, false},
                    PlaceCase{"from B with 299 to go", SHOALS_ROUTE, -1, 299, true, true},
                    PlaceCase{"from B just out of port B", SHOALS_ROUTE, -1, 5000, true, false},
                    PlaceCase{"canal from A short of it", CANAL_ROUTE, 1, 1800, false, false},
                    PlaceCase{"canal from A past it", CANAL_ROUTE, 1, 1801, false, true},
                    PlaceCase{"canal from B past it", CANAL_ROUTE, -1, 1799, true, true}),
    CaseName());

TEST_F(RouteEvents, NoRouteNoEventOrDoneMeansNothing) {
    struct Case {
        const char* what;
        int32_t route;
        uint16_t flags;
    };
    for (const Case& c : {Case{"no charter", 0, 0}, Case{"row past the table", ROUTE_COUNT + 1, 0},
                          Case{"a route without an event", 11, 0},
                          Case{"the event done this voyage", CANAL_ROUTE, VOYAGE_ROUTE_EVENT_DONE}}) {
        place(c.route, 1, 20000);
        ship_->voyage_flags = c.flags;
        int32_t cash = owner_->cash;
        EXPECT_EQ(check(), nullptr) << c.what;
        EXPECT_EQ(ship_->voyage_flags, c.flags) << c.what;
        EXPECT_EQ(owner_->cash, cash) << c.what;
        EXPECT_EQ(g_day_event, 0) << c.what;
        EXPECT_EQ(keys_typed(), 0) << c.what;
    }
}

TEST_F(RouteEvents, CanalFeesAreDueOnEveryPassageAndGoToTheGeneralExpenses) {
    owner_->cash = 100;
    owner_->expenses_general = 5;
    for (int32_t voyage = 1; voyage <= 2; ++voyage) {
        place(CANAL_ROUTE, 1, 3000);
        ship_->voyage_flags = 0;  // the harbour visit between the voyages
        EXPECT_EQ(check(), nullptr);
        EXPECT_GT(keys_typed(), 0) << "the letter waits for its OK";
        check();  // the same voyage: no second fee
    }
    EXPECT_EQ(owner_->cash, 100 - 140);  // into the red
    EXPECT_EQ(owner_->expenses_general, 5 + 140);
}

TEST_F(RouteEvents, CapeHornAwardsOnceAndTheSecondTimeOnlyMarksTheDay) {
    place(HORN_ROUTE, -1, 10000);
    owner_->status = 4;
    check();
    EXPECT_EQ(owner_->status, 5);
    EXPECT_NE(owner_->achievements & ACHIEVEMENT_CAPE_HORN, 0u);
    int32_t typed = keys_typed();
    EXPECT_GT(typed, 0);

    ship_->voyage_flags = 0;  // another voyage
    g_day_event = 0;
    EXPECT_EQ(check(), nullptr);
    EXPECT_EQ(owner_->status, 5);
    EXPECT_EQ(keys_typed(), typed) << "no letter the second time";
    EXPECT_EQ(g_day_event, 1);
    EXPECT_NE(ship_->voyage_flags & VOYAGE_ROUTE_EVENT_DONE, 0);
}

struct BermudaCase {
    const char* what;
    int32_t condition;
    int32_t day_event_before;
    int32_t draw;  // the wanted result of the one draw, -1 for no draw
    bool lost;
    int32_t day_event_after;
};

class Bermuda : public RouteEvents, public testing::WithParamInterface<BermudaCase> {};

TEST_P(Bermuda, LosesOnlyAPoorShipOnAnEvenChance) {
    const BermudaCase& c = GetParam();
    place(BERMUDA_ROUTE, 1, 6000);
    ship_->condition = c.condition;
    g_day_event = c.day_event_before;
    if (c.draw >= 0) {
        uint16_t seed = find_seed([&c] { return random_range(0, 1) == c.draw; });
        ASSERT_NE(seed, 0);
        RandomState{seed, 0, 0}.restore();
    }
    std::vector<TracedDraw> trace;
    draw_trace_start(&trace);
    TextLines loss = check();
    draw_trace_stop();
    EXPECT_EQ(trace.size(), c.draw >= 0 ? 1u : 0u);
    EXPECT_EQ(loss != nullptr, c.lost);
    EXPECT_EQ(g_day_event, c.day_event_after);
    EXPECT_EQ(ship_->condition, c.lost ? 0 : c.condition);
    EXPECT_NE(ship_->voyage_flags & VOYAGE_ROUTE_EVENT_DONE, 0);
    if (loss != nullptr) {
        std::vector<std::string> lines;
        for (TextLines p = loss; *p != nullptr; ++p) lines.emplace_back(*p);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[0], "There is something uncertain");
        EXPECT_EQ(lines[5], "soon hear the knell of the bell.");
        EXPECT_EQ(lines[6], " ");
    }
    EXPECT_EQ(keys_typed(), 0) << "Bermuda shows nothing itself";
}

INSTANTIATE_TEST_SUITE_P(Conditions, Bermuda,
                         testing::Values(BermudaCase{"at 6500 never lost, day unmarked", 6500, 0, -1, false, 0},
                                         BermudaCase{"at 6500 a day marked before stays", 6500, 1, -1, false, 1},
                                         BermudaCase{"at 6499 lost on a 0", 6499, 0, 0, true, 1},
                                         BermudaCase{"at 6499 spared on a 1", 6499, 0, 1, false, 0}),
                         CaseName());

// ---- reefs, shoals and icebergs by hand ---------------------------------------------------------

TEST_F(RouteEvents, ReefsAndShoalsInPureEconomyOnlyRollTheirChance) {
    g_sim_mode = 1;
    for (int32_t route : {REEF_ROUTE, SHOALS_ROUTE}) {
        place(route, 1, 5000);
        ship_->voyage_flags = 0;
        std::vector<TracedDraw> trace;
        draw_trace_start(&trace);
        check();
        draw_trace_stop();
        ASSERT_EQ(trace.size(), 1u);
        EXPECT_EQ(trace[0].lo, 0);
        EXPECT_EQ(trace[0].hi, 1000);
        EXPECT_EQ(keys_typed(), 0);
    }
}

// The open-water chart row whose coast the episode ran on.
int32_t chart_row_shown() {
    for (int32_t k = 0; k < REEF_MAP_COUNT; ++k) {
        const ReefMap& m = g_reef_maps[k];
        if (m.coast == g_sim_coast && m.min_x == g_sim_target_box[0] && m.min_y == g_sim_target_box[1] &&
            m.max_x == g_sim_target_box[2] && m.max_y == g_sim_target_box[3])
            return k;
    }
    return -1;
}

struct HandCase {
    const char* what;
    int32_t route;  // 0 = icebergs
    int32_t direction;
    int32_t odds;    // the chance drawn first (of 1000), 0 for icebergs
    int32_t variants;  // the draw of the chart variant: 0..variants
    int32_t base_map;
};

class ByHand : public RouteEvents, public testing::WithParamInterface<HandCase> {};

TEST_P(ByHand, DrawsChanceThenChartAndBooksTheHelpWhenTimeRunsOut) {
    const HandCase& c = GetParam();
    g_sim_mode = 0;
    g_difficulty_allowance = 5;  // the player never touches the wheel: time runs out at once
    place(c.route, c.direction, c.direction >= 1 ? 9000 : g_route_table[c.route].length);
    owner_->cash = 1000;
    owner_->expenses_general = 0;
    int32_t status = owner_->status;
    if (c.odds > 0) {
        uint16_t seed = find_seed([&c] { return random_range(0, 1000) < c.odds; });
        ASSERT_NE(seed, 0);
        RandomState{seed, 0, 0}.restore();
    }
    std::vector<TracedDraw> trace;
    draw_trace_start(&trace);
    TextLines loss = c.route == 0 ? iceberg_event(0, owner_, ship_) : check();
    draw_trace_stop();
    EXPECT_EQ(loss, nullptr);
    size_t k = 0;
    if (c.odds > 0) {
        ASSERT_GE(trace.size(), 1u);
        EXPECT_EQ(trace[0].hi, 1000);
        k = 1;
    }
    if (c.variants > 0) {
        ASSERT_GT(trace.size(), k);
        EXPECT_EQ(trace[k].lo, 0);
        EXPECT_EQ(trace[k].hi, c.variants);
        EXPECT_EQ(chart_row_shown(), c.base_map + 2 * trace[k].result);
    } else {
        EXPECT_EQ(chart_row_shown(), c.base_map);
    }
    EXPECT_EQ(owner_->cash, 500);
    EXPECT_EQ(owner_->expenses_general, 500);
    EXPECT_EQ(owner_->status, status);
    EXPECT_EQ(g_day_event, 1);
}

INSTANTIATE_TEST_SUITE_P(Events, ByHand,
                         testing::Values(HandCase{"reef from A", REEF_ROUTE, 1, 400, 1, 6},
                                         HandCase{"reef from B", REEF_ROUTE, -1, 400, 1, 7},
                                         HandCase{"shoals from A", SHOALS_ROUTE, 1, 350, 0, 10},
                                         HandCase{"shoals from B", SHOALS_ROUTE, -1, 350, 0, 11},
                                         HandCase{"icebergs from A", 0, 1, 0, 2, 0},
                                         HandCase{"icebergs from B", 0, -1, 0, 2, 1}),
                         CaseName());

TEST_F(RouteEvents, AReefMissedByItsChanceShowsNothing) {
    g_sim_mode = 0;
    place(REEF_ROUTE, 1, 2000);
    uint16_t seed = find_seed([] { return random_range(0, 1000) == 400; });
    ASSERT_NE(seed, 0);
    RandomState{seed, 0, 0}.restore();
    check();
    EXPECT_EQ(keys_typed(), 0);
    EXPECT_EQ(g_day_event, 1);
    EXPECT_NE(ship_->voyage_flags & VOYAGE_ROUTE_EVENT_DONE, 0);
}

// ---- the caption and the assisted-damage text ---------------------------------------------------

TEST_F(RouteEvents, AssistedDamageTextNamesTheShipAndItsState) {
    ship_->condition = 4599;
    char lines[5][64];
    format_assisted_damage_text(ship_, lines);
    EXPECT_STREQ(lines[0], "Sorry but the MS Aurora");
    EXPECT_STREQ(lines[1], "was damaged..");
    EXPECT_STREQ(lines[2], "Another ship comes to help.");
    EXPECT_STREQ(lines[3], "costs: Mio$ 0.3");
    EXPECT_STREQ(lines[4], "state : 45%");
}

TEST_F(RouteEvents, CaptionIsABlackBarWithTheNamesInColourThree) {
    clear_screen_to(7);
    draw_ship_caption(0, ship_);
    int32_t text = 0;
    for (int32_t y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int32_t x = 0; x < SCREEN_WIDTH; ++x) {
            int32_t p = screen_get_pixel(x, y);
            if (y <= 14) {
                EXPECT_TRUE(p == 0 || p == 3) << x << "," << y;
                if (p == 3) {
                    ++text;
                    EXPECT_GE(x, 4);
                }
            } else {
                ASSERT_EQ(p, 7) << x << "," << y;
            }
        }
    }
    EXPECT_GT(text, 0);
}

}  // namespace
