// The daily step: the indices, the ship's wear, mortgage and phases, the credit interest and the
// day's costs, subsidies, the till, the net-worth ring and bankruptcy.
#include "game/day_step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/random.h"
#include "game/main_procedure.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/ship_types.h"
#include "tests/game/day_step_fixture.h"
#include "tests/harness/case_name.h"
#include "tests/harness/draw_trace.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "world/projection.h"
#include "world/sea_distance.h"
#include "world/weather.h"

namespace {

constexpr int32_t LONDON = 1;
constexpr int32_t NEW_YORK = 9;
constexpr int32_t HAMBURG = 3;  // wage level 100 %

class DayStep : public DayStepTest {};

TEST_F(DayStep, TheFirstDayOfAGameStartsTheIndicesAtPar) {
    g_shipowner_count = 0;
    EXPECT_EQ(day_step(), 0);
    EXPECT_EQ(g_day, 1);
    EXPECT_EQ(g_ship_price_index, 1000);
    EXPECT_GE(g_freight_index, 880);
    EXPECT_LE(g_freight_index, 1120);
    EXPECT_EQ(g_daily_phase, 12);
}

TEST_F(DayStep, OverALongGameTheIndicesStayInTheirBands) {
    g_shipowner_count = 0;
    int32_t lowest = 2000, highest = 0, below_par = 0, above_par = 0;
    for (int32_t d = 0; d < 8000; ++d) {
        day_step();
        ASSERT_GE(g_ship_price_index, 745) << "day " << g_day;
        ASSERT_LE(g_ship_price_index, 1256) << "day " << g_day;
        ASSERT_LE(std::abs(g_freight_index - g_ship_price_index), 120) << "day " << g_day;
        lowest = std::min(lowest, g_ship_price_index);
        highest = std::max(highest, g_ship_price_index);
        below_par += g_ship_price_index < 1000 ? 1 : 0;
        above_par += g_ship_price_index > 1000 ? 1 : 0;
    }
    // Two slow waves: the market swings far both ways, and spends long spells on each side.
    EXPECT_LT(lowest, 800);
    EXPECT_GT(highest, 1200);
    EXPECT_GT(below_par, 2000);
    EXPECT_GT(above_par, 2000);
}

TEST_F(DayStep, TheDailyPhaseTurnsOnlyAbove3600) {
    g_shipowner_count = 0;
    g_daily_phase = 3588;
    day_step();
    EXPECT_EQ(g_daily_phase, 3600);
    day_step();
    EXPECT_EQ(g_daily_phase, 12);
}

TEST_F(DayStep, AQuietDayCostsTwoThousandDollarsAndRecordsTheNetWorth) {
    Shipowner& owner = g_shipowners[0];
    EXPECT_EQ(day_step(), 0);
    EXPECT_EQ(owner.cash, 4098);
    EXPECT_EQ(owner.expenses_general, 2);
    EXPECT_EQ(owner.history_index, 1);
    EXPECT_EQ(owner.net_worth_history[1], 4098);
    EXPECT_EQ(owner.credit_days, 1);
    EXPECT_EQ(owner.office_neglect_days, 1);
    EXPECT_EQ(letters(), 0);
}

TEST_F(DayStep, AShipownerOutOfTheGameIsSkipped) {
    g_shipowner_count = 2;
    g_shipowners[1] = g_shipowners[0];
    g_shipowners[0].out_of_game = 1;
    day_step();
    EXPECT_EQ(g_shipowners[0].cash, 4100);
    EXPECT_EQ(g_shipowners[0].history_index, 0);
    EXPECT_EQ(g_shipowners[1].cash, 4098);
}

struct RingCase {
    const char* what;
    int32_t index_before;
    int32_t index_after;
};

class NetWorthRing : public DayStepTest, public testing::WithParamInterface<RingCase> {};

TEST_P(NetWorthRing, TheNewestSlotMovesOnAndWraps) {
    const RingCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.history_index = c.index_before;
    for (int32_t& w : owner.net_worth_history) w = 777;
    owner.credit = 600;
    day_step();
    EXPECT_EQ(owner.history_index, c.index_after);
    EXPECT_EQ(owner.net_worth_history[c.index_after], 4098 - 600) << "cash less credit without ships";
    EXPECT_EQ(owner.net_worth_history[c.index_before], 777);
}

const RingCase kRingCases[] = {
    {"from the start", 0, 1},
    {"to the last slot", 254, 255},
    {"from the last slot to the first", 255, 0},
};
INSTANTIATE_TEST_SUITE_P(Ring, NetWorthRing, testing::ValuesIn(kRingCases), CaseName());

// ---- A ship's wear ---------------------------------------------------------------------------

struct WearCase {
    const char* what;
    int32_t shipyard_days;
    int8_t cargo;
    int32_t condition_before;
    int32_t condition_after;
};

class Wear : public DayStepTest, public testing::WithParamInterface<WearCase> {};

TEST_P(Wear, ConditionFallsByTheModelsWearAndTheCargosExtra) {
    const WearCase& c = GetParam();
    ASSERT_EQ(g_ship_type_table[6].wear_per_day, 8);
    Ship* ship = add_ship(0, "Aurora");
    ship->shipyard_days = c.shipyard_days;
    ship->cargo = c.cargo;
    ship->condition = c.condition_before;
    day_step();
    EXPECT_EQ(ship->condition, c.condition_after);
}

const WearCase kWearCases[] = {
    {"empty outside the yard", 0, 0, 9000, 8992},
    {"chemicals add their full wear again", 0, 6, 9000, 8984},
    {"plastics add ten percent of 8 which truncates to nothing", 0, 7, 9000, 8992},
    {"ballast adds nothing", 0, 10, 9000, 8992},
    {"laden in the yard loses nothing", 5, 6, 9000, 9000},
    {"the last few hundredths go to zero and no further", 0, 6, 10, 0},
    {"a condition below zero is lifted to zero in the yard too", 5, 0, -40, 0},
};
INSTANTIATE_TEST_SUITE_P(Ship, Wear, testing::ValuesIn(kWearCases), CaseName());

// ---- Mortgage and credit interest ----------------------------------------------------------

struct InterestCase {
    const char* what;
    int32_t amount;  // k$ of the mortgage or the credit
    int32_t rate;
    int32_t days_before;  // of a period of 30
    int32_t days_after;
    int32_t letters;
    int32_t charged;  // k$ taken from the cash beside the 2 k$ of the day
    const char* amount_line;
};

class MortgageInterest : public DayStepTest, public testing::WithParamInterface<InterestCase> {};

TEST_P(MortgageInterest, FallsDueAfterThePeriodAndIsRoundedWithTheDaysSums) {
    const InterestCase& c = GetParam();
    Ship* ship = add_ship(0, "Aurora");
    ship->mortgage = c.amount;
    ship->mortgage_rate = static_cast<int8_t>(c.rate);
    ship->mortgage_days = c.days_before;
    int32_t event = day_step();
    Shipowner& owner = g_shipowners[0];
    EXPECT_EQ(ship->mortgage_days, c.days_after);
    EXPECT_EQ(letters(), c.letters);
    EXPECT_EQ(event, c.letters);
    EXPECT_EQ(owner.cash, 4100 - 2 - c.charged);
    EXPECT_EQ(owner.expenses_interest, c.charged);
    if (c.letters == 1) {
        EXPECT_STREQ(g_due_letter[0], "Dear shipowner Hendrik,");
        EXPECT_STREQ(g_due_letter[1], "the mortgage for Aurora");
        EXPECT_STREQ(g_due_letter[2], "is due.");
        EXPECT_STREQ(g_due_letter[3], c.amount_line);
        EXPECT_EQ(g_due_letter[4], nullptr);
    }
}

const InterestCase kMortgageCases[] = {
    {"not yet at the end of the period", 1000, 8, 29, 30, 0, 0, nullptr},
    {"after the period", 1000, 8, 30, 0, 1, 80, "costs: $ 80000"},
    {"the sum is rounded to the nearest k$", 1234, 7, 30, 0, 1, 86, "costs: $ 86380"},
    {"under 500 $ a letter but nothing charged", 4, 9, 30, 0, 1, 0, "costs: $ 360"},
    {"990 $ round up to 1 k$", 1, 99, 30, 0, 1, 1, "costs: $ 990"},
    {"a paid-off mortgage wraps its counter without a letter", 0, 8, 30, 0, 0, 0, nullptr},
    {"a rate of zero writes no letter", 1000, 0, 30, 0, 0, 0, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Ship, MortgageInterest, testing::ValuesIn(kMortgageCases), CaseName());

class CreditInterest : public DayStepTest, public testing::WithParamInterface<InterestCase> {};

TEST_P(CreditInterest, FallsDueAfterThePeriodAndIsTruncated) {
    const InterestCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    credit_due(&owner, c.amount, c.rate);
    owner.credit_days = c.days_before;
    int32_t event = day_step();
    EXPECT_EQ(owner.credit_days, c.days_after);
    EXPECT_EQ(letters(), c.letters);
    EXPECT_EQ(event, c.letters);
    EXPECT_EQ(owner.cash, 4100 - 2 - c.charged);
    EXPECT_EQ(owner.expenses_interest, c.charged);
    if (c.letters == 1) {
        EXPECT_STREQ(g_due_letter[0], "Dear shipowner Hendrik,");
        EXPECT_STREQ(g_due_letter[1], "Credit interest");
        EXPECT_STREQ(g_due_letter[2], "is due.");
        EXPECT_STREQ(g_due_letter[3], c.amount_line);
    }
}

const InterestCase kCreditCases[] = {
    {"not yet at the end of the period", 1000, 9, 29, 30, 0, 0, nullptr},
    {"after the period", 1000, 9, 30, 0, 1, 90, "amount: $ 90000"},
    {"990 $ truncate to nothing", 1, 99, 30, 0, 1, 0, "amount: $ 990"},
    {"no credit wraps the counter without a letter", 0, 9, 30, 0, 0, 0, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Owner, CreditInterest, testing::ValuesIn(kCreditCases), CaseName());

TEST_F(DayStep, MortgageAndCreditLettersOfOneDayAreEachShown) {
    Ship* a = add_ship(0, "Aurora");
    Ship* b = add_ship(0, "Borealis");
    for (Ship* s : {a, b}) {
        s->mortgage = 500;
        s->mortgage_rate = 5;
        s->mortgage_days = 30;
    }
    credit_due(&g_shipowners[0], 100, 10);
    EXPECT_EQ(day_step(), 1);
    EXPECT_EQ(letters(), 3);
    // 2 x 25000 $ of mortgage interest and 10000 $ of credit interest.
    EXPECT_EQ(g_shipowners[0].cash, 4100 - 2 - 50 - 10);
    EXPECT_EQ(g_shipowners[0].expenses_interest, 60);
}

// ---- Running costs -------------------------------------------------------------------------

struct CostCase {
    const char* what;
    int8_t home_port;
    int32_t costs_per_day[2];  // $ of each ship, 0 for no second ship
    int32_t charged;           // k$ beside the 2 k$ of the day
};

class RunningCosts : public DayStepTest, public testing::WithParamInterface<CostCase> {};

TEST_P(RunningCosts, AreScaledByTheHomePortsWagesAndRounded) {
    const CostCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.home_port = c.home_port;
    for (int32_t costs : c.costs_per_day)
        if (costs != 0) add_ship(0, "Aurora")->costs_per_day = costs;
    day_step();
    EXPECT_EQ(owner.cash, 4100 - 2 - c.charged);
    EXPECT_EQ(owner.expenses_general, 2 + c.charged);
}

const CostCase kCostCases[] = {
    {"1499 $ round down", HAMBURG, {1499, 0}, 1},
    {"1500 $ round up", HAMBURG, {1500, 0}, 2},
    {"London pays 98 percent", LONDON, {12000, 0}, 12},
    {"the ships' costs are summed before rounding", HAMBURG, {300, 300}, 1},
};
INSTANTIATE_TEST_SUITE_P(Owner, RunningCosts, testing::ValuesIn(kCostCases), CaseName());

// ---- The ship's phases ---------------------------------------------------------------------

TEST_F(DayStep, EveryCounterRunsDownInItsTurnAndAnIdleShipInPortIsVisited) {
    Ship* ship = add_ship(0, "Aurora");
    ship->layup_days = 1;
    ship->shipyard_days = 1;
    ship->discharging_days = 1;
    EXPECT_EQ(day_step(), 0);
    EXPECT_EQ(ship->layup_days, 0);
    EXPECT_EQ(ship->shipyard_days, 1) << "lay-up comes before the yard";
    EXPECT_EQ(day_step(), 0);
    EXPECT_EQ(ship->shipyard_days, 0);
    EXPECT_EQ(ship->discharging_days, 1);
    EXPECT_EQ(day_step(), 0);
    EXPECT_EQ(ship->discharging_days, 0);
    answer_screens_with("4\r\r");  // the harbour menu: lay up, for the day the field offers
    EXPECT_EQ(day_step(), 1) << "all counters spent: the harbour visit";
    EXPECT_EQ(ship->layup_days, 1);
    EXPECT_EQ(day_step(), 0);
    answer_screens_with("4\r\r");
    EXPECT_EQ(day_step(), 1) << "and again once that day is spent";
    EXPECT_EQ(ship->charter_days, 6);
}

TEST_F(DayStep, UnderWayLoadingAndHeaveToComeBeforeSailing) {
    Ship* ship = add_ship(0, "Aurora");
    ship->layup_days = 0;
    ship->route = 1;
    ship->direction = 1;
    ship->loading_days = 2;
    ship->heaving_days = 1;
    ship->speed = 10;
    ship->fuel = 1000;
    ship->fuel_per_day = 30;
    day_step();
    EXPECT_EQ(ship->loading_days, 1);
    EXPECT_EQ(ship->fuel, 1000) << "no fuel burnt while loading";
    day_step();  // the departure: the reader takes the tug and the voyage panel's top speed
    EXPECT_EQ(ship->loading_days, 0);
    EXPECT_EQ(ship->heaving_days, 1);
    EXPECT_EQ(ship->speed, 15);
    EXPECT_EQ(ship->fuel_per_day, 67);
    ship->speed = 10;
    ship->fuel_per_day = 30;
    day_step();
    EXPECT_EQ(ship->heaving_days, 0);
    EXPECT_EQ(ship->fuel, 970) << "hove to burns fuel";
    EXPECT_EQ(ship->sailed_nm, 0) << "but does not move on";
    day_step();
    EXPECT_EQ(ship->fuel, 940);
    EXPECT_EQ(ship->sailed_nm, 240);
}

// Quit answered in the main loop's pass that then runs the day: the storm question of that day
// still waits for the player, and only the answer given moves the ship's storm state and days.
struct QuitStormCase {
    const char* what;
    const char* answer;
    uint16_t storm_flags;
    bool heaves_to;
};

class QuitPendingStorm : public DayStepTest, public testing::WithParamInterface<QuitStormCase> {};

TEST_P(QuitPendingStorm, TheQuestionWaitsForThePlayersAnswer) {
    const QuitStormCase& c = GetParam();
    for (auto& row : g_wind_grid)
        for (int8_t& force : row) force = 12;
    Ship* ship = add_ship(0, "Aurora");
    ship->layup_days = 0;
    ship->route = 33;
    ship->direction = 1;
    ship->sailed_nm = 2300;
    ship->speed = 10;
    ship->fuel = 1000;
    ship->fuel_per_day = 30;
    ship->voyage_flags |= VOYAGE_ROUTE_EVENT_DONE;
    compute_ship_route_position(ship);
    g_quit = 1;
    answer_screens_with(c.answer);
    day_step();
    g_quit = 0;
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(ship->voyage_flags & (VOYAGE_STORM_MET | VOYAGE_PASSING_STORM | VOYAGE_GALE_DAMAGED),
              c.storm_flags);
    EXPECT_EQ(ship->heaving_days > 0, c.heaves_to);
}

INSTANTIATE_TEST_SUITE_P(
    Answer, QuitPendingStorm,
    testing::Values(QuitStormCase{"pass through", "\r", VOYAGE_STORM_MET | VOYAGE_PASSING_STORM, false},
                    QuitStormCase{"round", "\x1b", VOYAGE_STORM_MET, true}),
    CaseName());

struct FuelCase {
    const char* what;
    int32_t heaving_days;
    int32_t fuel_before;
    int32_t fuel_after;
    int32_t sailed_after;  // from 1000 nm
    int32_t event;
};

class Fuel : public DayStepTest, public testing::WithParamInterface<FuelCase> {};

TEST_P(Fuel, AShipThatRunsDryIsTowedAndStaysWhereItWas) {
    const FuelCase& c = GetParam();
    Ship* ship = add_ship(0, "Aurora");
    ship->layup_days = 0;
    ship->route = 1;
    ship->direction = 1;
    ship->sailed_nm = 1000;
    ship->speed = 12;
    ship->fuel_per_day = 50;
    ship->fuel = c.fuel_before;
    ship->heaving_days = c.heaving_days;
    EXPECT_EQ(day_step(), c.event);
    EXPECT_EQ(ship->fuel, c.fuel_after);
    EXPECT_EQ(ship->sailed_nm, c.sailed_after);
    EXPECT_EQ(ship->direction, 1);
}

const FuelCase kFuelCases[] = {
    {"fuel for more than a day", 0, 120, 70, 1288, 0}, {"fuel for exactly a day", 0, 50, 0, 1288, 0},
    {"less than a day's fuel", 0, 49, 2000, 1000, 1},  {"an empty tank", 0, 0, 2000, 1000, 1},
    {"hove to and running dry", 3, 10, 2000, 1000, 1},
};
INSTANTIATE_TEST_SUITE_P(Sailing, Fuel, testing::ValuesIn(kFuelCases), CaseName());

struct LandfallCase {
    const char* what;
    int16_t direction;
    int32_t beyond_length;  // nm past the length after the day's 240 nm
    int8_t port_after;
    int32_t road_days;  // 0: still at sea
};

class Landfall : public DayStepTest, public testing::WithParamInterface<LandfallCase> {};

TEST_P(Landfall, PassingTheRoutesLengthPutsTheShipInTheRoadOfItsDestination) {
    const LandfallCase& c = GetParam();
    const Route& route = g_route_table[1];
    ASSERT_EQ(route.port_a, LONDON);
    ASSERT_EQ(route.port_b, NEW_YORK);
    Ship* ship = add_ship(0, "Aurora");
    ship->layup_days = 0;
    ship->route = 1;
    ship->direction = c.direction;
    ship->port = c.direction > 0 ? LONDON : NEW_YORK;
    ship->speed = 10;
    ship->fuel = 500;
    ship->fuel_per_day = 10;
    ship->harbour_map = -1;
    ship->sailed_nm = route.length - 240 + c.beyond_length;
    EXPECT_EQ(day_step(), 0);
    EXPECT_EQ(ship->port, c.port_after);
    EXPECT_EQ(ship->road_days, c.road_days);
    EXPECT_EQ(ship->direction, c.road_days > 0 ? 0 : c.direction);
    if (c.road_days == 0) return;
    ASSERT_GE(c.road_days, 1);
    EXPECT_EQ(ship->road_days, g_port_table[c.port_after].approach_days + 1);
    // The road days count down; the day they reach 0 is the arrival, and the ship then lies idle in
    // port (the arrival that would give it discharging days is still to come): the harbour visit.
    int32_t fuel = ship->fuel;
    for (int32_t d = c.road_days - 1; d >= 0; --d) {
        EXPECT_EQ(day_step(), 0);
        EXPECT_EQ(ship->road_days, d);
    }
    EXPECT_EQ(ship->fuel, fuel) << "no fuel burnt in the road";
    answer_screens_with("4\r\r");  // the harbour menu: lay up for a day
    EXPECT_EQ(day_step(), 1);
    EXPECT_EQ(ship->layup_days, 1);
}

const LandfallCase kLandfallCases[] = {
    {"one mile short stays at sea", 1, -1, LONDON, 0},
    {"exactly at the length stays at sea", 1, 0, LONDON, 0},
    {"one mile past reaches port B", 1, 1, NEW_YORK, 2},
    {"far past reaches port B", 1, 239, NEW_YORK, 2},
    {"the way back reaches port A", -1, 1, LONDON, 3},
};
INSTANTIATE_TEST_SUITE_P(Sailing, Landfall, testing::ValuesIn(kLandfallCases), CaseName());

// ---- Worn-out ships ------------------------------------------------------------------------

struct WornCase {
    const char* what;
    int32_t condition;
    bool under_way;
    int32_t event;
    uint16_t draws;  // random draws beside those of a day without the ship
};

class WornOut : public DayStepTest, public testing::WithParamInterface<WornCase> {};

TEST_P(WornOut, AShipAtHalfConditionOrWorseMayBreakUpAtSea) {
    const WornCase& c = GetParam();
    // The same day without the ship, for the number of draws.
    Shipowner saved = g_shipowners[0];
    uint16_t seed = g_random_seed, counter = g_random_counter;
    day_step();
    uint16_t draws_without = static_cast<uint16_t>(g_random_counter - counter);
    g_shipowners[0] = saved;
    g_random_seed = seed;
    g_random_counter = counter;
    g_day = 0;

    Ship* ship = add_ship(0, "Aurora");
    ship->shipyard_days = 5;  // no wear today, so the condition is the one tested
    ship->layup_days = 0;
    if (c.under_way) {
        ship->route = 1;
        ship->direction = 1;
    }
    ship->condition = c.condition;
    std::vector<TracedDraw> trace;
    draw_trace_start(&trace);
    EXPECT_EQ(day_step(), c.event);
    draw_trace_stop();
    if (c.event == 0) {
        EXPECT_EQ(static_cast<uint16_t>(g_random_counter - counter - draws_without), c.draws);
        EXPECT_EQ(g_shipowners[0].ships, ship);
    } else {
        // The sinking draws for its bubbles; the break-up itself is one draw.
        EXPECT_EQ(g_shipowners[0].ships, nullptr) << "the ship broke up and is gone";
        EXPECT_EQ(boxes(), 2) << "the reason, then the tragedy";
    }
    int32_t breakup_draws = 0;
    for (const TracedDraw& d : trace) breakup_draws += d.lo == 0 && d.hi == c.condition ? 1 : 0;
    EXPECT_EQ(breakup_draws, c.draws);
}

const WornCase kWornCases[] = {
    {"above half condition no draw", 5001, true, 0, 0},
    {"below one percent at sea always breaks up", 99, true, 1, 1},
    {"worn out in port the draw is made but nothing happens", 99, false, 0, 1},
    {"at half condition in port the draw is made", 5000, false, 0, 1},
};
INSTANTIATE_TEST_SUITE_P(Ship, WornOut, testing::ValuesIn(kWornCases), CaseName());

TEST_F(DayStep, AShipLostInTheMiddleDoesNotStopTheWalk) {
    Ship* ships[3] = {add_ship(0, "Aurora"), add_ship(0, "Borealis"), add_ship(0, "Cygnus")};
    ships[1]->shipyard_days = 5;
    ships[1]->layup_days = 0;
    ships[1]->route = 1;
    ships[1]->direction = 1;
    ships[1]->condition = 0;
    EXPECT_EQ(day_step(), 1);
    EXPECT_EQ(ships[0]->charter_days, 1);
    EXPECT_EQ(ships[2]->charter_days, 1);
    EXPECT_EQ(ship_count(&g_shipowners[0]), 2);
    EXPECT_EQ(g_shipowners[0].ships, ships[0]);
    EXPECT_EQ(ships[0]->next, ships[2]);
}

// Pixels of the colour in the 11 x 7 box around (x, y) of the frame or of a buffer.
int32_t colour_count(const uint8_t* buffer, int32_t x, int32_t y, int32_t colour) {
    int32_t n = 0;
    for (int32_t dy = -3; dy <= 3; ++dy)
        for (int32_t dx = -5; dx <= 5; ++dx) {
            int32_t p = buffer == nullptr ? read_screen_pixel(x + dx, y + dy) : buffer_get_pixel(buffer, x + dx, y + dy);
            n += p == colour ? 1 : 0;
        }
    return n;
}

TEST_F(DayStep, AShipLostAtTheHeadOfTheFleetLeavesTheRecordsTheMapAndTheNetWorthAgreeing) {
    Shipowner& owner = g_shipowners[0];
    owner.status = 3;
    Ship* ships[3] = {add_ship(0, "Aurora"), add_ship(0, "Borealis"), add_ship(0, "Cygnus")};
    // The head breaks up at sea in mid-Atlantic, far from the other two laid up in London.
    ships[0]->shipyard_days = 5;
    ships[0]->layup_days = 0;
    ships[0]->route = 1;
    ships[0]->direction = 1;
    ships[0]->sailed_nm = 1500;
    ships[0]->condition = 0;
    int32_t blocks = ship_blocks_in_use();
    Ship copy = *ships[0];
    compute_ship_route_position(&copy);
    g_project_lat = copy.lat;
    g_project_lon = copy.lon;
    project_flat_map_point();
    const int32_t lost_x = g_project_x, lost_y = g_project_y;

    EXPECT_EQ(day_step(), 1);

    // The walk went on with the new head and gave each of the two their day exactly once.
    ASSERT_EQ(owner.ships, ships[1]);
    EXPECT_EQ(ships[1]->next, ships[2]);
    EXPECT_EQ(ships[2]->next, nullptr);
    for (Ship* s : {ships[1], ships[2]}) {
        EXPECT_EQ(s->charter_days, 1) << s->name;
        EXPECT_EQ(s->layup_days, 99) << s->name;
    }
    EXPECT_EQ(ship_blocks_in_use(), blocks - 1);
    EXPECT_EQ(owner.status, 2);
    EXPECT_EQ(boxes(), 2);

    // The net worth recorded today is that of the two ships left, of equal value.
    int32_t values = 0, mortgages = 0, credit = 0, net_worth = 0;
    compute_shipowner_assets(0, &values, &mortgages, &credit, &net_worth);
    EXPECT_EQ(owner.net_worth_history[owner.history_index], net_worth);
    int32_t two_values = values;
    unlink_ship(&owner, ships[2]);
    compute_shipowner_assets(0, &values, &mortgages, &credit, &net_worth);
    append_ship(&owner, ships[2]);
    EXPECT_GT(values, 0);
    EXPECT_EQ(two_values, 2 * values);

    // The map draws no ship where the lost one sailed.
    g_main_screen_shown = 0;
    show_main_screen();
    restore_main_screen();
    draw_world_map();
    int32_t colour = g_owner_colours[0];
    EXPECT_EQ(colour_count(nullptr, lost_x, lost_y, colour), colour_count(g_background_buffer, lost_x, lost_y, colour))
        << "at " << lost_x << "," << lost_y;
}

// ---- Subsidies -----------------------------------------------------------------------------

struct SubsidyCase {
    const char* what;
    int8_t difficulty;
    int32_t status;
    int32_t subsidy_status;
    bool earlier_letter;  // a credit letter of 10 k$ earlier the same day
    int32_t cash_change;  // k$ beside the 2 k$ of the day and the letter's interest
    int32_t subsidy_status_after;
};

class Subsidy : public DayStepTest, public testing::WithParamInterface<SubsidyCase> {};

TEST_P(Subsidy, IsGrantedOnAQuietDayAndReclaimedWhenTheStatusFalls) {
    const SubsidyCase& c = GetParam();
    g_difficulty = c.difficulty;
    Shipowner& owner = g_shipowners[0];
    owner.status = c.status;
    owner.subsidy_status = c.subsidy_status;
    if (c.earlier_letter) credit_due(&owner, 100, 10);
    int32_t interest = c.earlier_letter ? 10 : 0;
    day_step();
    EXPECT_EQ(owner.cash, 4100 - 2 - interest + c.cash_change);
    EXPECT_EQ(owner.subsidy_status, c.subsidy_status_after);
    EXPECT_EQ(letters(), (c.earlier_letter ? 1 : 0) + (c.cash_change != 0 ? 1 : 0));
    if (c.cash_change > 0) {
        EXPECT_STREQ(g_subsidy_letter[0], "Your company status is ");
        EXPECT_STREQ(g_subsidy_letter[2], "So 1.000.000 $ in subsidies");
        EXPECT_STREQ(g_subsidy_letter[4], "Congratulations.");
        EXPECT_EQ(g_subsidy_letter[5], nullptr);
    }
    if (c.cash_change < 0) {
        EXPECT_STREQ(g_subsidy_reclaim_letter[0], "Your company status is ");
        EXPECT_STREQ(g_subsidy_reclaim_letter[2], "So 500.000 $ of subsidies");
        EXPECT_STREQ(g_subsidy_reclaim_letter[4], "Bad luck?");
        EXPECT_EQ(g_subsidy_reclaim_letter[5], nullptr);
    }
}

const SubsidyCase kSubsidyCases[] = {
    {"beginner above the step", 1, 4, -1, false, 1000, 4},
    {"beginner at the step plus one", 1, 3, -1, false, 0, -1},
    {"beginner step above the last grant", 1, 7, 4, false, 1000, 7},
    {"beginner only the step above the last grant", 1, 6, 4, false, 0, 4},
    {"expert above the step", 2, 6, -1, false, 1000, 6},
    {"expert at the step plus one", 2, 5, -1, false, 0, -1},
    {"genius above the step", 3, 8, -1, false, 1000, 8},
    {"genius at the step plus one", 3, 7, -1, false, 0, -1},
    {"no grant after a letter of the day", 1, 4, -1, true, 0, -1},
    {"beginner reclaim", 1, 1, 4, false, -500, 1},
    {"beginner no reclaim within the step", 1, 2, 4, false, 0, 4},
    {"genius reclaim", 3, 1, 8, false, -500, 1},
    {"reclaim from status 0", 1, 0, 3, false, -500, 0},
    {"never owned a ship no reclaim", 1, -1, 10, false, 0, 10},
    {"a reclaim after a letter of the day", 1, 1, 4, true, -500, 1},
};
INSTANTIATE_TEST_SUITE_P(Owner, Subsidy, testing::ValuesIn(kSubsidyCases), CaseName());

TEST_F(DayStep, ALetterToAnEarlierShipownerBlocksTheGrantForTheNext) {
    g_shipowner_count = 2;
    g_shipowners[1] = g_shipowners[0];
    g_shipowners[1].status = 10;
    credit_due(&g_shipowners[0], 100, 10);
    day_step();
    EXPECT_EQ(g_shipowners[1].cash, 4098);
    EXPECT_EQ(g_shipowners[1].subsidy_status, -1);
    day_step();  // a quiet day: now it is granted
    EXPECT_EQ(g_shipowners[1].cash, 4096 + 1000);
    EXPECT_EQ(g_shipowners[1].subsidy_status, 10);
    EXPECT_EQ(letters(), 2);
}

// ---- The till ------------------------------------------------------------------------------

struct ThresholdCase {
    const char* what;
    int8_t difficulty;
    int32_t threshold;
};

class TillNeglect : public DayStepTest, public testing::WithParamInterface<ThresholdCase> {};

TEST_P(TillNeglect, NothingHappensUntilTheOfficeIsLeftAloneBeyondTheThreshold) {
    const ThresholdCase& c = GetParam();
    g_difficulty = c.difficulty;
    EXPECT_EQ(till_theft_threshold(c.difficulty), c.threshold);
    Shipowner& owner = g_shipowners[0];
    owner.cash = 100000;
    int32_t day = 0;
    while (owner.office_neglect_days == day && day < c.threshold + 400) {
        ++day;
        day_step();
    }
    // The counter rose by one a day up to the threshold and beyond, until the draw fell.
    EXPECT_GT(day, c.threshold);
    EXPECT_LT(day, c.threshold + 400);
    EXPECT_GE(owner.office_neglect_days, 20);
    EXPECT_LE(owner.office_neglect_days, 40);
    EXPECT_EQ(letters(), 1);
    int32_t stolen = 100000 - 2 * day - owner.cash;
    EXPECT_EQ(owner.expenses_general, 2 * day + stolen);
    EXPECT_STREQ(g_till_theft_letter[5], (std::to_string(stolen) + "000$").c_str());
    EXPECT_STREQ(g_till_theft_letter[0], "You have neglected");
    EXPECT_EQ(g_till_theft_letter[6], nullptr);
}

const ThresholdCase kThresholdCases[] = {
    {"beginner", 1, 210},
    {"expert", 2, 140},
    {"genius", 3, 80},
};
INSTANTIATE_TEST_SUITE_P(Owner, TillNeglect, testing::ValuesIn(kThresholdCases), CaseName());

struct TheftCase {
    const char* what;
    int32_t cash_before;  // before the day's 2 k$
    bool stolen;
};

class TillTheft : public DayStepTest, public testing::WithParamInterface<TheftCase> {};

TEST_P(TillTheft, TakesTenToTwentyPercentOfMoreThan200kDollars) {
    const TheftCase& c = GetParam();
    g_difficulty = 3;
    Shipowner& owner = g_shipowners[0];
    if (c.cash_before < 0) {
        // A ship in the yard (no wear, no visit) keeps the net worth above zero: no bankruptcy.
        Ship* ship = add_ship(0, "Aurora");
        ship->layup_days = 0;
        ship->shipyard_days = 1000;
    }
    int32_t days = 0;
    // Each day of neglect beyond the threshold has one chance in eleven; the cash is put back each
    // day so that the theft meets the amount under test.
    do {
        owner.office_neglect_days = 80;
        owner.cash = c.cash_before;
        owner.expenses_general = 0;
        day_step();
        ++days;
    } while (owner.office_neglect_days == 81 && days < 300);
    ASSERT_LT(days, 300);
    EXPECT_GE(owner.office_neglect_days, 20) << "reset whether or not anything was taken";
    EXPECT_LE(owner.office_neglect_days, 40);
    int32_t there = c.cash_before - 2;
    int32_t taken = there - owner.cash;
    if (c.stolen) {
        EXPECT_GE(taken, there * 10 / 100);
        EXPECT_LE(taken, there * 20 / 100);
        EXPECT_EQ(owner.expenses_general, 2 + taken);
        EXPECT_EQ(letters(), 1);
    } else {
        EXPECT_EQ(taken, 0);
        EXPECT_EQ(letters(), 0);
    }
}

const TheftCase kTheftCases[] = {
    {"200 k$ are safe", 202, false},
    {"201 k$ are not", 203, true},
    {"a large till", 2000000, true},
    {"overdrawn", -1000, false},
};
INSTANTIATE_TEST_SUITE_P(Owner, TillTheft, testing::ValuesIn(kTheftCases), CaseName());

// ---- Bankruptcy ----------------------------------------------------------------------------

struct BankruptcyCase {
    const char* what;
    int32_t cash;  // before the day
    int32_t credit;
    bool with_ship;  // worth far more than the overdraft
    bool eliminated;
};

class Bankruptcy : public DayStepTest, public testing::WithParamInterface<BankruptcyCase> {};

TEST_P(Bankruptcy, NeedsBothNegativeCashAndNegativeNetWorth) {
    const BankruptcyCase& c = GetParam();
    g_shipowner_count = 2;
    g_shipowners[1] = g_shipowners[0];
    std::strcpy(g_shipowners[1].name, "Amelia");
    Shipowner& owner = g_shipowners[0];
    owner.cash = c.cash;
    owner.credit = c.credit;
    if (c.with_ship) add_ship(0, "Aurora");
    EXPECT_EQ(day_step(), c.eliminated ? 1 : 0);
    EXPECT_EQ(owner.out_of_game, c.eliminated ? 1 : 0);
    EXPECT_EQ(screens(), c.eliminated ? 1 : 0);
    EXPECT_EQ(other_screens(), c.eliminated ? 2 : 0) << "the statistics and the possessions come first";
    EXPECT_EQ(g_quit, 0) << "one shipowner is still in the game";
    if (c.eliminated) {
        ASSERT_EQ(shown_screens().size(), 1u);
        EXPECT_EQ(shown_screens()[0][1], " Shipowner Hendrik,");
        EXPECT_EQ(shown_screens()[0][9], " shipowner Amelia.");
        int32_t cash = owner.cash;
        day_step();
        EXPECT_EQ(owner.cash, cash) << "out of the game: no more days";
        EXPECT_EQ(screens(), 1);
    }
    EXPECT_EQ(g_shipowners[1].out_of_game, 0);
}

const BankruptcyCase kBankruptcyCases[] = {
    {"cash and net worth below zero", 1, 0, false, true},
    {"credit drags the net worth below zero while cash stays", 100, 500, false, false},
    {"a ship carries the net worth over an overdraft", -500, 0, true, false},
    {"zero cash is not below zero", 2, 500, false, false},
};
INSTANTIATE_TEST_SUITE_P(Owner, Bankruptcy, testing::ValuesIn(kBankruptcyCases), CaseName());

TEST_F(DayStep, TheLastShipownerGoingBankruptEndsTheGame) {
    g_shipowners[0].cash = -1;
    EXPECT_EQ(day_step(), 1);
    EXPECT_EQ(g_shipowners[0].out_of_game, 1);
    EXPECT_EQ(g_quit, 1);
    ASSERT_EQ(shown_screens().size(), 1u);
    EXPECT_EQ(shown_screens()[0][7], "Sorry, but this will");
}

}  // namespace
