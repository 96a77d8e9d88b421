// Heavy weather at sea: the storm's state machine over the voyage flags, the question's lines by
// wind force, "pass through" and "round" (and any other answer), the gale that only follows a storm
// passed through, the losses, and the order of the draws.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/random.h"
#include "host/headless_host.h"
#include "tests/harness/case_name.h"
#include "tests/harness/draw_trace.h"
#include "tests/voyage/voyage_fixture.h"
#include "ui/input_poll.h"
#include "lang/lang.h"
#include "voyage/storm.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

constexpr uint32_t ENTER = 13;  // yes: "pass through"
constexpr uint32_t ESCAPE = 27;  // no: "round"
constexpr uint32_t SPACE = ' ';  // another command
constexpr uint16_t MET = VOYAGE_STORM_MET;
constexpr uint16_t PASSING = VOYAGE_PASSING_STORM;
constexpr uint16_t GALE = VOYAGE_GALE_DAMAGED;

// The whole grid at one force: the smoothed wind anywhere is that force.
void set_wind(int32_t f) {
    for (auto& row : g_wind_grid)
        for (int8_t& force : row) force = static_cast<int8_t>(f);
}

// The map's storm numbers jitter with draws of -2..2; the storm's own draws are the others.
std::vector<TracedDraw> own_draws(const std::vector<TracedDraw>& trace) {
    std::vector<TracedDraw> out;
    for (const TracedDraw& d : trace)
        if (!(d.lo == -2 && d.hi == 2)) out.push_back(d);
    return out;
}

// The jitter draws the map makes before the storm's first draw, at the grid's force.
int32_t map_draws() {
    int32_t n = 0;
    for (int32_t lat = -600; lat <= 600; lat += 300)
        for (int32_t lon = -1500; lon <= 1500; lon += 300)
            if (weather_wind_at(lat / 10, lon / 10) >= 8) n += 2;
    return n;
}

void skip_map_draws() {
    for (int32_t k = map_draws(); k > 0; --k) random_range(-2, 2);
}

std::string first_line(TextLines lines) { return lines == nullptr ? "(none)" : lines[0]; }

class Storm : public VoyageTest {
  protected:
    void SetUp() override {
        VoyageTest::SetUp();
        ship_->lon = 0;
        ship_->lat = 0;
        ship_->fuel = 1000;
        ship_->voyage_flags = 0;
        g_day_event = 0;
    }
    TextLines check() { return storm_check(0, owner_, ship_, ship_->lon, ship_->lat); }
    TextLines traced_check(std::vector<TracedDraw>* draws) {
        std::vector<TracedDraw> trace;
        draw_trace_start(&trace);
        TextLines loss = check();
        draw_trace_stop();
        *draws = own_draws(trace);
        return loss;
    }
};

// ---- the state machine --------------------------------------------------------------------------

struct StormStep {
    const char* what;
    uint16_t flags_before;
    int32_t f;
    uint32_t key;  // the answer to a question, if one comes
    uint16_t flags_after;
    int32_t day_event;
    int32_t own_draws;
};

class StormStates : public Storm, public testing::WithParamInterface<StormStep> {};

TEST_P(StormStates, MoveTheFlags) {
    const StormStep& c = GetParam();
    ship_->voyage_flags = c.flags_before;
    set_wind(c.f);
    type_keys({c.key});
    std::vector<TracedDraw> draws;
    TextLines loss = traced_check(&draws);
    // a sound ship only sinks in a gale, by the last of its three draws
    if (c.own_draws < 3) {
        EXPECT_EQ(loss, nullptr);
    }
    EXPECT_EQ(ship_->voyage_flags, c.flags_after);
    EXPECT_EQ(g_day_event, c.day_event);
    EXPECT_EQ(static_cast<int32_t>(draws.size()), c.own_draws);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, StormStates,
    testing::Values(StormStep{"calm below 8 meets nothing", 0, 7, ENTER, 0, 0, 0},
                    StormStep{"force 8 passed through", 0, 8, ENTER, MET | PASSING, 1, 2},
                    StormStep{"force 8 rounded", 0, 8, ESCAPE, MET, 1, 1},
                    StormStep{"another command counts as round", 0, 8, SPACE, MET, 1, 1},
                    StormStep{"the gale after passing through", MET | PASSING, 11, ENTER, MET | PASSING | GALE, 1, 3},
                    StormStep{"no gale in a storm rounded", MET, 12, ENTER, MET, 0, 0},
                    StormStep{"one gale a storm", MET | PASSING | GALE, 12, ENTER, MET | PASSING | GALE, 0, 0},
                    StormStep{"no gale at force 10", MET | PASSING, 10, ENTER, MET | PASSING, 0, 0},
                    StormStep{"the storm stays met at 5", MET | PASSING | GALE, 5, ENTER, MET | PASSING | GALE, 0, 0},
                    StormStep{"below 5 the storm is over", MET | PASSING | GALE, 4, ENTER, 0, 0, 0},
                    StormStep{"other flags stay when it is over", MET | VOYAGE_ROUTE_EVENT_DONE, 0, ENTER,
                              VOYAGE_ROUTE_EVENT_DONE, 0, 0}),
    CaseName());

TEST_F(Storm, AfterRoundingAGaleNeedsTheWindBelowFiveAndAStormPassedThrough) {
    set_wind(9);
    type_keys({ESCAPE});
    check();
    set_wind(12);
    check();  // rounded: no gale
    EXPECT_EQ(ship_->voyage_flags, MET);
    set_wind(3);
    check();
    EXPECT_EQ(ship_->voyage_flags, 0);
    set_wind(11);
    type_keys({ENTER});
    check();  // a new storm, passed through
    EXPECT_EQ(ship_->voyage_flags, MET | PASSING);
    g_day_event = 0;
    check();  // the next day: the gale
    EXPECT_EQ(ship_->voyage_flags, MET | PASSING | GALE);
    EXPECT_EQ(g_day_event, 1);
}

// A quit asked for before the day takes no answer for the player: the gale's two boxes stay up
// until each is answered.
TEST_F(Storm, WithAQuitPendingTheGaleBoxesWaitForTheirAnswers) {
    set_wind(12);
    ship_->voyage_flags = MET | PASSING;
    answer_with_enter(false);
    uint32_t t0 = headless_now();
    headless_script(t0 + 1000, HEADLESS_KEY, ENTER);
    headless_script(t0 + 2000, HEADLESS_KEY, ENTER);
    g_quit = 1;
    check();
    g_quit = 0;
    EXPECT_GE(headless_now(), t0 + 2000);
    EXPECT_EQ(ship_->voyage_flags, MET | PASSING | GALE);
}

// ---- the question by force ----------------------------------------------------------------------

struct ForceCase {
    const char* what;
    int32_t f;
    const char* line;
    int32_t days_lo, days_hi, loss_hi;
};

class StormForce : public Storm, public testing::WithParamInterface<ForceCase> {};

TEST_P(StormForce, GivesTheLineTheDaysAndTheLoss) {
    const ForceCase& c = GetParam();
    EXPECT_STREQ(storm_force_line(c.f), c.line);
    set_wind(c.f);
    type_keys({ENTER});
    std::vector<TracedDraw> draws;
    traced_check(&draws);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].lo, c.days_lo);
    EXPECT_EQ(draws[0].hi, c.days_hi);
    EXPECT_EQ(draws[1].lo, 90);
    EXPECT_EQ(draws[1].hi, c.loss_hi);
    EXPECT_EQ(ship_->condition, 10000 - draws[1].result);
}

INSTANTIATE_TEST_SUITE_P(Beaufort, StormForce,
                         testing::Values(ForceCase{"force 8", 8, "Beaufort 8, stormy wind.", 2, 14, 400},
                                         ForceCase{"force 9", 9, "Beaufort 9, storm.", 3, 17, 800},
                                         ForceCase{"force 10", 10, "Beaufort 10, heavy storm.", 4, 20, 1200},
                                         ForceCase{"force 11", 11, "Beaufort 10, increasing.", 5, 23, 1600},
                                         ForceCase{"force 12", 12, "Beaufort 10, increasing.", 6, 26, 2000}),
                         CaseName());

TEST_F(Storm, RoundingAddsTheDaysOfTheQuestion) {
    set_wind(12);
    ship_->heaving_days = 3;
    type_keys({ESCAPE});
    std::vector<TracedDraw> draws;
    traced_check(&draws);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(ship_->heaving_days, 3 + draws[0].result);
    EXPECT_EQ(ship_->condition, 10000);
}

// ---- losses --------------------------------------------------------------------------------------

TEST_F(Storm, PassingThroughBelow3000SinksAPoorShip) {
    set_wind(12);
    ship_->condition = 3089;  // at least 90 comes off
    type_keys({ENTER});
    TextLines loss = check();
    EXPECT_EQ(ship_->condition, 0);
    EXPECT_EQ(first_line(loss), "A ship in poor state does not");
    ASSERT_NE(loss, nullptr);
    EXPECT_STREQ(loss[2], "ship which is well looked after.");
    EXPECT_EQ(loss[3], nullptr);
}

TEST_F(Storm, PassingThroughAt3000OrMoreKeepsTheShip) {
    set_wind(8);
    ship_->condition = 3400;  // at most 400 comes off
    type_keys({ENTER, ENTER});
    EXPECT_EQ(check(), nullptr);
    EXPECT_GE(ship_->condition, 3000);
}

TEST_F(Storm, FuelFiftyAndFiveGaleDaysLeavesNoFuelNotLess) {
    set_wind(11);
    ship_->voyage_flags = MET | PASSING;
    ship_->fuel = 50;
    uint16_t seed = find_seed([] {
        skip_map_draws();
        return random_range(5, 20) == 5;
    });
    ASSERT_NE(seed, 0);
    RandomState{seed, 0, 0}.restore();
    ship_->heaving_days = 1;
    std::vector<TracedDraw> draws;
    traced_check(&draws);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].result, 5);
    EXPECT_EQ(ship_->fuel, 0);
    EXPECT_EQ(ship_->heaving_days, 6);
}

TEST_F(Storm, TheGaleDrawsDaysDamageAndTheBreakInThatOrder) {
    set_wind(12);
    ship_->voyage_flags = MET | PASSING;
    ship_->fuel = 1000;
    std::vector<TracedDraw> draws;
    TextLines loss = traced_check(&draws);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].lo, 5);
    EXPECT_EQ(draws[0].hi, 20);
    EXPECT_EQ(draws[1].lo, 100);
    EXPECT_EQ(draws[1].hi, 2000);
    EXPECT_EQ(draws[2].lo, 0);
    EXPECT_EQ(draws[2].hi, 100);
    EXPECT_EQ(ship_->fuel, 1000 - 20 * draws[0].result);
    EXPECT_EQ(ship_->condition, 10000 - draws[1].result);
    EXPECT_EQ(first_line(loss), draws[2].result < 10 ? "Your ship couldn't stand the" : "(none)");
}

TEST_F(Storm, AGaleBelow4500SinksTheShipAndTheBreakIsStillDrawn) {
    set_wind(11);
    for (int32_t breaks : {0, 1}) {
        uint16_t seed = find_seed([breaks] {
            skip_map_draws();
            random_range(5, 20);
            random_range(100, 2000);
            return (random_range(0, 100) < 10) == (breaks == 1);
        });
        ASSERT_NE(seed, 0);
        set_wind(11);
        ship_->voyage_flags = MET | PASSING;
        ship_->condition = 4599;
        RandomState{seed, 0, 0}.restore();
        std::vector<TracedDraw> draws;
        TextLines loss = traced_check(&draws);
        EXPECT_EQ(draws.size(), 3u);
        EXPECT_EQ(ship_->condition, 0);
        EXPECT_EQ(first_line(loss), breaks == 1 ? "Your ship couldn't stand the" : "A ship in poor state does not");
    }
}

}  // namespace
