// Entering and leaving harbour: the tug's cost and strike, the tug paid or refused, the dice of
// pure economy in their order, what each outcome costs, the discharging days, and quitting.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/frame.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "tests/harness/case_name.h"
#include "tests/voyage/voyage_fixture.h"
#include "ui/input_poll.h"
#include "voyage/arrival_departure.h"
#include "voyage/manoeuvre.h"
#include "voyage/passage.h"
#include "voyage/tug.h"
#include "voyage/voyage_panel.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/ship_types.h"
#include "world/weather.h"

namespace {

constexpr int32_t LONDON = 1;       // tug 5 k$, strike 15 %
constexpr int32_t POINT_HOPE = 18;  // tug 10 k$, never strikes
constexpr uint32_t ENTER = 13;
constexpr uint32_t ESCAPE = 27;

// ---- the tug's cost and strike -----------------------------------------------------------------

struct TugCostCase {
    const char* what;
    int32_t port;
    int32_t freight_index;
    int32_t want;
};

class TugCost : public testing::TestWithParam<TugCostCase> {};

TEST_P(TugCost, IsThePortsBaseAtTheFreightIndex) {
    const TugCostCase& c = GetParam();
    Ship ship{};
    ship.port = static_cast<int8_t>(c.port);
    g_freight_index = c.freight_index;
    EXPECT_EQ(tug_cost(&ship), c.want);
    g_freight_index = 1000;
}

INSTANTIATE_TEST_SUITE_P(Ports, TugCost,
                         testing::Values(TugCostCase{"London at the normal index", LONDON, 1000, 5},
                                         TugCostCase{"Point Hope at half as much again", POINT_HOPE, 1500, 15},
                                         TugCostCase{"one truncating division", LONDON, 999, 4},
                                         TugCostCase{"no port reads the empty row", 0, 1000, 100},
                                         TugCostCase{"a port past the table reads the empty row", 40, 1000, 100}),
                         CaseName());

TEST(TugStrike, NoStrikePercentageNeverStrikesAndDrawsNothing) {
    for (int32_t p : {0, -5}) {
        g_random_seed = 77;
        uint16_t counter = g_random_counter;
        for (int32_t k = 0; k < 200; ++k) EXPECT_EQ(tug_strike_roll(p), 0);
        EXPECT_EQ(g_random_counter, counter) << p;
    }
}

TEST(TugStrike, OneDrawOfZeroToHundredStrikesAtOrBelowThePercentage) {
    for (int32_t p : {1, 15, 99, 100}) {
        int32_t strikes = 0;
        for (uint16_t s = 1; s < 400; ++s) {
            g_random_seed = s;
            g_random_counter = 0;
            int32_t r = random_range(0, 100);
            g_random_seed = s;
            g_random_counter = 0;
            int32_t strike = tug_strike_roll(p);
            EXPECT_EQ(strike, r <= p ? 1 : 0) << "p " << p << " r " << r;
            EXPECT_EQ(g_random_counter, 1);
            strikes += strike;
        }
        if (p == 100) {
            EXPECT_EQ(strikes, 399);
        }
    }
}

// ---- arrival -----------------------------------------------------------------------------------

using HarbourArrival = VoyageTest;

TEST_F(HarbourArrival, ANewShipTakesABerthWithoutAScreen) {
    ship_->harbour_map = -1;
    ship_->port = 3;
    ship_->discharging_days = 5;
    RandomState start = RandomState::now();
    int32_t berth = random_range(1, 3);
    start.restore();
    std::memset(g_screen_buffer, 9, SCREEN_BYTES);

    port_arrival(0, owner_, ship_);

    EXPECT_EQ(ship_->harbour_map, 2);
    EXPECT_EQ(ship_->berth, berth);
    EXPECT_EQ(ship_->discharging_days, 0);
    EXPECT_EQ(g_day_event, 0);
    EXPECT_EQ(g_random_counter, start.counter + 1);
    EXPECT_EQ(headless_now(), 0u) << "nothing was shown";
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) ASSERT_EQ(g_screen_buffer[i], 9) << i;
}

struct TugCase {
    const char* what;
    int32_t cash;
    bool strike;
    std::vector<uint32_t> keys;
    int32_t want_cash;
    int32_t want_expenses;
};

class TugAtArrival : public VoyageTest, public testing::WithParamInterface<TugCase> {};

TEST_P(TugAtArrival, IsPaidOrRefusedAndThePlayerSteersInstead) {
    const TugCase& c = GetParam();
    g_sim_mode = 1;
    owner_->cash = c.cash;
    owner_->expenses_general = 0;
    // berth, strike, then (by hand) a roll that does no damage
    uint16_t seed = find_seed([&] {
        random_range(1, 3);
        bool strike = random_range(0, 100) <= 15;
        return strike == c.strike && random_range(0, 100) >= 10;
    });
    ASSERT_NE(seed, 0);
    g_random_seed = seed;
    g_random_counter = 0;
    type_keys(c.keys);

    port_arrival(0, owner_, ship_);

    EXPECT_EQ(owner_->cash, c.want_cash);
    EXPECT_EQ(owner_->expenses_general, c.want_expenses);
    EXPECT_EQ(ship_->condition, 10000);
    EXPECT_EQ(g_day_event, 1);
    EXPECT_EQ(ship_->harbour_map, LONDON - 1);
    EXPECT_EQ(ship_->discharging_days, 2);  // model 5, laden
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TugAtArrival,
    testing::Values(TugCase{"cash exactly the cost pays the tug", 5, false, {ENTER}, 0, 5},
                    TugCase{"one k$ short is refused and asked again", 4, false, {ENTER, ENTER, ENTER, ENTER, '1'}, 4, 0},
                    TugCase{"a strike refuses the tug whatever the cash", 1000, true, {ENTER, ENTER, ESCAPE}, 1000, 0},
                    TugCase{"steering by hand books nothing on success", 1000, false, {'1'}, 1000, 0}),
    CaseName());

struct HandlingCase {
    const char* what;
    int32_t model;
    int32_t cargo;
    int32_t want_days;
};

class DischargingDays : public VoyageTest, public testing::WithParamInterface<HandlingCase> {};

TEST_P(DischargingDays, FollowTheModelAndTheCargo) {
    const HandlingCase& c = GetParam();
    ship_->port = POINT_HOPE;  // no strike, no draw
    ship_->ship_type = static_cast<int8_t>(c.model);
    ship_->cargo = static_cast<int8_t>(c.cargo);
    ship_->discharging_days = 9;
    port_arrival(0, owner_, ship_);  // Enter: the tug
    EXPECT_EQ(ship_->discharging_days, c.want_days);
    EXPECT_EQ(owner_->cash, 1000 - 10);
}

INSTANTIATE_TEST_SUITE_P(Models, DischargingDays,
                         testing::Values(HandlingCase{"model 1 never discharges", 1, 3, 0},
                                         HandlingCase{"model 5 laden", 5, 3, 2},
                                         HandlingCase{"model 6 laden", 6, 4, 4},
                                         HandlingCase{"no cargo no days", 5, 0, 0},
                                         HandlingCase{"ballast waits like a laden ship", 5, 10, 2},
                                         HandlingCase{"model 1 in ballast", 1, 10, 0}),
                         CaseName());

TEST_F(HarbourArrival, QuitEndsTheScreenWithoutBookingOrManoeuvre) {
    g_sim_mode = 1;
    g_quit = 1;
    type_keys({'1'});
    port_arrival(0, owner_, ship_);
    EXPECT_EQ(owner_->cash, 1000);
    EXPECT_EQ(owner_->expenses_general, 0);
    EXPECT_EQ(owner_->status, 5);
    EXPECT_EQ(ship_->condition, 10000);
    EXPECT_EQ(ship_->discharging_days, 2);
}

struct ClickCase {
    const char* what;
    int32_t x, y;
    int32_t want_cash;
    int32_t want_status;
};

class PassageButtons : public VoyageTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(PassageButtons, StandWhereTheScreenDrawsThem) {
    const ClickCase& c = GetParam();
    g_sim_mode = 1;
    ship_->port = POINT_HOPE;
    uint16_t seed = find_seed([] {
        random_range(1, 3);
        return random_range(0, 100) >= 10;  // by hand without damage
    });
    ASSERT_NE(seed, 0);
    RandomState{seed, 0, 0}.restore();
    answer_with_enter(false);
    headless_script_click(5000, c.x, c.y);
    port_arrival(0, owner_, ship_);
    EXPECT_EQ(owner_->cash, c.want_cash);
    EXPECT_EQ(owner_->status, c.want_status);
}

INSTANTIATE_TEST_SUITE_P(Buttons, PassageButtons,
                         testing::Values(ClickCase{"steer by hand at the top left corner", 171, 161, 1000, 6},
                                         ClickCase{"steer by hand at the bottom right", 308, 173, 1000, 6},
                                         ClickCase{"the tug below it", 240, 192, 990, 5}),
                         CaseName());

// ---- the dice of pure economy ------------------------------------------------------------------

struct DiceCase {
    const char* what;
    int32_t way;
    bool damage;
    bool storm;  // a storm number on the map: two draws to place it
};

class PureEconomyDice : public VoyageTest, public testing::WithParamInterface<DiceCase> {};

TEST_P(PureEconomyDice, ReplaceTheManoeuvreInTheirOrder) {
    const DiceCase& c = GetParam();
    g_sim_mode = 1;
    bool in = c.way == PASSAGE_IN;
    if (c.storm) g_wind_grid[1][5] = 9;  // the North Atlantic
    // arrival: the berth; both: the map, the strike of London, the roll, the damage when the roll
    // is below 10
    int32_t berth = 0, roll = 0, damage = 0, draws = 0;
    auto replay = [&] {
        draws = 0;
        if (in) berth = random_range(1, 3), ++draws;
        if (c.storm) random_range(-2, 2), random_range(-2, 2), draws += 2;
        random_range(0, 100), ++draws;
        roll = random_range(0, 100), ++draws;
        damage = 0;
        if (roll < 10) damage = random_range(1, 4), ++draws;
        return (damage != 0) == c.damage;
    };
    uint16_t seed = find_seed(replay);
    ASSERT_NE(seed, 0);
    RandomState{seed, 0, 0}.restore();
    replay();
    RandomState{seed, 0, 0}.restore();
    // by hand; Enter closes the damage box; on the way out no repair, then the panel's ok
    type_keys({'1', ENTER, 'n', ENTER});

    if (in)
        port_arrival(0, owner_, ship_);
    else
        port_departure(0, owner_, ship_);

    EXPECT_EQ(g_random_counter, draws);
    if (in) {
        EXPECT_EQ(ship_->berth, berth);
    }
    int32_t c_tug = 5;
    if (c.damage) {
        EXPECT_EQ(ship_->condition, 10000 - (50 * damage + 50));
        EXPECT_EQ(owner_->cash, 1000 - 4 * c_tug);
        EXPECT_EQ(owner_->expenses_general, 4 * c_tug);
        EXPECT_EQ(owner_->status, 5);
    } else {
        EXPECT_EQ(ship_->condition, 10000);
        EXPECT_EQ(owner_->cash, 1000);
        EXPECT_EQ(owner_->status, in ? 6 : 5) << "only an arrival masters the harbour";
    }
    if (!in) {
        EXPECT_EQ(ship_->speed, g_ship_type_table[5].vmax_kn) << "the voyage panel ran";
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, PureEconomyDice,
                         testing::Values(DiceCase{"arrival without damage", PASSAGE_IN, false, false},
                                         DiceCase{"arrival with damage", PASSAGE_IN, true, false},
                                         DiceCase{"arrival under a storm on the map", PASSAGE_IN, true, true},
                                         DiceCase{"departure without damage", PASSAGE_OUT, false, false},
                                         DiceCase{"departure with damage", PASSAGE_OUT, true, false},
                                         DiceCase{"departure under a storm on the map", PASSAGE_OUT, false, true}),
                         CaseName());

// ---- outcomes ----------------------------------------------------------------------------------

struct OutcomeCase {
    const char* what;
    int32_t r;
    int32_t way;
    int32_t condition;
    bool mastered_before;
    int32_t want_status;
    int32_t want_charge;
    int32_t want_condition;
};

class PassageOutcome : public VoyageTest, public testing::WithParamInterface<OutcomeCase> {};

TEST_P(PassageOutcome, ChargesGeneralExpensesAndDamagesTheShip) {
    const OutcomeCase& c = GetParam();
    const int32_t tug = 7;
    ship_->condition = c.condition;
    ship_->harbour_map = 4;
    uint32_t bit = achievement_harbour(5);
    owner_->achievements = c.mastered_before ? bit : 0;
    passage_outcome(0, owner_, ship_, c.r, c.way, tug);  // Enter closes any box
    EXPECT_EQ(owner_->status, c.want_status);
    EXPECT_EQ(owner_->cash, 1000 - c.want_charge);
    EXPECT_EQ(owner_->expenses_general, c.want_charge);
    EXPECT_EQ(ship_->condition, c.want_condition);
    bool mastered_now = c.mastered_before || (c.r == 0 && c.way == PASSAGE_IN);
    EXPECT_EQ((owner_->achievements & bit) != 0, mastered_now);
}

INSTANTIATE_TEST_SUITE_P(
    Results, PassageOutcome,
    testing::Values(
        OutcomeCase{"success on arrival masters the harbour", 0, PASSAGE_IN, 10000, false, 6, 0, 10000},
        OutcomeCase{"a harbour mastered once gives no more", 0, PASSAGE_IN, 10000, true, 5, 0, 10000},
        OutcomeCase{"success on departure gives nothing", 0, PASSAGE_OUT, 10000, false, 5, 0, 10000},
        OutcomeCase{"off the chart costs 400", MANOEUVRE_OFF_CHART, PASSAGE_IN, 10000, false, 5, 400, 10000},
        OutcomeCase{"out of time costs 200", MANOEUVRE_OUT_OF_TIME, PASSAGE_OUT, 10000, false, 5, 200, 10000},
        OutcomeCase{"minus one counts as out of time", -1, PASSAGE_IN, 10000, false, 5, 200, 10000},
        OutcomeCase{"one hit", 1, PASSAGE_IN, 10000, false, 5, 28, 9900},
        OutcomeCase{"forty hits cost 2050 and four tugs", 40, PASSAGE_OUT, 10000, false, 5, 28, 7950},
        OutcomeCase{"damage stops at zero", 40, PASSAGE_IN, 1000, false, 5, 28, 0}),
    CaseName());

// ---- departure ---------------------------------------------------------------------------------

using HarbourDeparture = VoyageTest;

TEST_F(HarbourDeparture, TheTugThenTheVoyagePanel) {
    ship_->port = POINT_HOPE;
    type_keys({ENTER, 40, 40, ENTER});  // the tug; two steps slower; ok
    port_departure(0, owner_, ship_);
    EXPECT_EQ(g_day_event, 1);
    EXPECT_EQ(owner_->cash, 1000 - 10);
    EXPECT_EQ(owner_->expenses_general, 10);
    const ShipType& t = g_ship_type_table[5];
    int32_t v = voyage_speed(t.vmax_kn, 4096);
    EXPECT_EQ(ship_->speed, v);
    EXPECT_EQ(ship_->fuel_per_day, voyage_fuel_use(voyage_full_fuel(t), v, t.vmax_kn));
}

TEST_F(HarbourDeparture, DamageOffersTheYardAndKeepsTheCharter) {
    g_sim_mode = 1;
    ship_->port = POINT_HOPE;
    uint16_t seed = find_seed([] { return random_range(0, 100) < 10; });
    ASSERT_NE(seed, 0);
    RandomState{seed, 0, 0}.restore();
    ship_->route = 7;
    type_keys({'1', ENTER, 'n', ENTER});  // by hand; the damage box; no repair; the panel's ok
    port_departure(0, owner_, ship_);
    EXPECT_LT(ship_->condition, 10000);
    EXPECT_EQ(ship_->route, 7);
    EXPECT_EQ(ship_->loading_days, 0) << "no repair was bought";
    EXPECT_EQ(ship_->speed, g_ship_type_table[5].vmax_kn) << "so the panel ran";
}

TEST_F(HarbourDeparture, QuitStillStoresTheSpeedShown) {
    g_quit = 1;
    ship_->speed = 3;
    ship_->fuel_per_day = 1;
    port_departure(0, owner_, ship_);
    const ShipType& t = g_ship_type_table[5];
    EXPECT_EQ(owner_->cash, 1000);
    EXPECT_EQ(ship_->speed, t.vmax_kn);
    EXPECT_EQ(ship_->fuel_per_day, voyage_full_fuel(t));
}

}  // namespace

// ---- the voyage panel --------------------------------------------------------------------------

namespace {

struct SpeedCase {
    const char* what;
    int32_t model;
    int32_t value;
    int32_t want_speed;
    int32_t want_use;
};

class VoyageSpeed : public testing::TestWithParam<SpeedCase> {};

TEST_P(VoyageSpeed, RunsFromTopSpeedToAQuarterWithTheCubeOfTheSpeed) {
    const SpeedCase& c = GetParam();
    const ShipType& t = g_ship_type_table[c.model];
    int32_t v = voyage_speed(t.vmax_kn, c.value);
    EXPECT_EQ(v, c.want_speed);
    EXPECT_EQ(voyage_fuel_use(voyage_full_fuel(t), v, t.vmax_kn), c.want_use);
}

INSTANTIATE_TEST_SUITE_P(
    Models, VoyageSpeed,
    testing::Values(SpeedCase{"model 1 at the top uses the full 134 t", 1, 0, 23, 134},
                    SpeedCase{"model 1 at the bottom: 5 kn and 133 x 125 / 12167 + 1", 1, 65535, 5, 2},
                    SpeedCase{"vmax 20 at the bottom: a quarter and (full - 1) / 64 + 1", 2, 65535, 5, 2},
                    SpeedCase{"model 4 half way", 4, 32768, 10, 14},
                    SpeedCase{"model 6 at the bottom", 6, 65535, 3, 1}),
    CaseName());

TEST(VoyageFuel, FullUseDividesTheHorsepowerFirst) {
    EXPECT_EQ(voyage_full_fuel(g_ship_type_table[1]), 134);  // 140 x 40 x 24 / 1000
    EXPECT_EQ(voyage_full_fuel(g_ship_type_table[3]), 47);   // 140 x 14 x 24 / 1000
    EXPECT_EQ(voyage_full_fuel(g_ship_type_table[7]), 43);   // 200 x 9 x 24 / 1000
    EXPECT_EQ(voyage_days(4000, 23), 7);
    EXPECT_EQ(voyage_days(4000, 5), 33);
    EXPECT_EQ(voyage_days(0, 5), 0);
}

using VoyagePanel = VoyageTest;

int32_t read_pixel(int32_t x, int32_t y) {
    return g_screen_buffer[y * SCREEN_WIDTH + x];
}

TEST_F(VoyagePanel, KeysMoveTheSliderAndTheScaleStandsBehindIt) {
    ship_->ship_type = 2;
    type_keys({40, 40, 40, 40, 40, ENTER});
    voyage_panel(0, owner_, ship_);
    EXPECT_EQ(g_speed_slider_info.vpot, 5 * 2048);
    EXPECT_EQ(ship_->speed, 17);
    EXPECT_EQ(ship_->fuel_per_day, 41);
    EXPECT_EQ(g_speed_slider.next, nullptr);
    EXPECT_EQ(read_pixel(245, 150), 2);
    EXPECT_EQ(read_pixel(305, 125), 3) << "a short tick";
    EXPECT_EQ(read_pixel(306, 125), 1);
    EXPECT_EQ(read_pixel(310, 145), 3) << "a long tick";
    EXPECT_EQ(read_pixel(260, 150), 1) << "the slider's frame";
    EXPECT_EQ(read_pixel(280, 150), 0);
    EXPECT_EQ(read_pixel(280, 131), 3) << "its knob, 10 rows down";
}

TEST_F(VoyagePanel, DraggingTheKnobSetsTheSpeed) {
    answer_with_enter(false);
    // the knob's top row is 121 at value 0; dragged 34 rows down its 66-row span
    headless_script(1000, HEADLESS_LEFT_DOWN, 280, 121);
    headless_script(1300, HEADLESS_MOVE, 280, 155);
    headless_script(1600, HEADLESS_LEFT_UP);
    headless_script(2000, HEADLESS_KEY, ENTER);
    voyage_panel(0, owner_, ship_);
    int32_t value = 34 * 65535 / 66;
    EXPECT_EQ(g_speed_slider_info.vpot, value);
    EXPECT_EQ(ship_->speed, voyage_speed(g_ship_type_table[5].vmax_kn, value));
}

struct KeyCase {
    const char* what;
    std::vector<uint32_t> keys;
    int32_t want_value;
};

class VoyagePanelKeys : public VoyageTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(VoyagePanelKeys, StepByTheKnobSizeWithinTheSlider) {
    std::vector<uint32_t> keys = GetParam().keys;
    keys.push_back(ENTER);
    type_keys(keys);
    voyage_panel(0, owner_, ship_);
    EXPECT_EQ(g_speed_slider_info.vpot, GetParam().want_value);
    const ShipType& t = g_ship_type_table[5];
    EXPECT_EQ(ship_->speed, voyage_speed(t.vmax_kn, GetParam().want_value));
}

INSTANTIATE_TEST_SUITE_P(Keys, VoyagePanelKeys,
                         testing::Values(KeyCase{"ok at once keeps top speed", {}, 0},
                                         KeyCase{"up never passes the top", {38, 38}, 0},
                                         KeyCase{"the typed bracket steps down like the arrow", {'('}, 2048},
                                         KeyCase{"the quote goes to the bottom", {'"'}, 65535},
                                         KeyCase{"down from the bottom stays there", {'"', 40}, 65535},
                                         KeyCase{"up from the bottom", {'"', 38}, 65535 - 2048},
                                         KeyCase{"the exclamation mark back to the top", {'"', '!'}, 0}),
                         CaseName());

}  // namespace
