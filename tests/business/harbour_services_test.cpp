// Bunkering, the tow, the lay-up and the repair: their arithmetic, their bookings and their
// refusals, which change nothing.
#include <gtest/gtest.h>

#include <string>

#include "business/harbour_services.h"
#include "business/visit_rolls.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "lang/lang.h"
#include "tests/business/harbour_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "world/records.h"

namespace {

constexpr uint32_t ENTER = 13;
constexpr uint32_t RIGHT = 39;
constexpr uint32_t BACKSPACE = 8;

TEST(BunkerPrice, RunsFrom60To190DollarsATonne) {
    EXPECT_EQ(bunker_price(0), 60);
    EXPECT_EQ(bunker_price(47), 66);
    EXPECT_EQ(bunker_price(500), 125);
    EXPECT_EQ(bunker_price(999), 190);
}

struct BunkerCase {
    const char* what;
    int32_t fuel;
    int32_t roll;
    std::string levels;  // digit keys: 1 full, 2 75 %, 3 50 %, 4 25 %
    int32_t cash;
    int32_t fuel_after;
    int32_t charged;  // k$
    bool refused_message;
};

// Model 5: a bunker of 3000 t.
const BunkerCase kBunkers[] = {
    {"25 percent above a quarter buys nothing", 1000, 500, "4", 5000, 1000, 0, false},
    {"50 percent at 125 dollars", 1000, 500, "3", 5000, 1500, 62, false},
    {"full always tops up", 2900, 0, "1", 5000, 3000, 6, false},
    {"990 dollars of fuel cost nothing", 735, 47, "4", 5000, 750, 0, false},
    {"25 then 75 then full", 0, 999, "421", 5000, 3000, 570, false},
    {"full at 190 dollars", 0, 999, "1", 5000, 3000, 570, false},
    {"cash exactly the cost", 0, 999, "1", 570, 3000, 570, false},
    {"too little cash refuses and restores the tank", 0, 999, "1", 569, 0, 0, true},
    {"nothing bought with negative cash shows no message", 1000, 999, "4", -5, 1000, 0, false},
};

class Bunkering : public HarbourTest, public testing::WithParamInterface<BunkerCase> {};

TEST_P(Bunkering, BuysAtTheVisitsPriceAndPaysInWholeThousands) {
    const BunkerCase& c = GetParam();
    Ship* ship = add_ship(0, 1, 5);
    ship->fuel = c.fuel;
    owner_->cash = c.cash;
    int32_t rolls[VISIT_ROLLS] = {};
    rolls[ROLL_FUEL_PRICE] = c.roll;
    keys(c.levels);
    key(ENTER);  // Ready
    if (c.refused_message) key(ENTER);
    Books before = books_of(owner_);
    bunker_fuel_dialog(0, owner_, ship, rolls);
    Books after = books_of(owner_);
    EXPECT_EQ(ship->fuel, c.fuel_after);
    EXPECT_EQ(before.cash - after.cash, c.charged);
    EXPECT_EQ(after.expenses_general - before.expenses_general, c.charged);
    EXPECT_EQ(after.income_shipping, before.income_shipping);
    EXPECT_EQ(seen(), std::string(c.levels.size() + 1, 'S') + (c.refused_message ? "M" : ""));
}

INSTANTIATE_TEST_SUITE_P(Services, Bunkering, testing::ValuesIn(kBunkers), CaseName());

TEST_F(HarbourTest, TheGaugeRisesWithTheFuel) {
    Ship* ship = add_ship(0, 1, 5);
    ship->fuel = 0;
    int32_t rolls[VISIT_ROLLS] = {};
    keys("1");
    key(ENTER);
    bunker_fuel_dialog(0, owner_, ship, rolls);
    for (int32_t y : {56, 100, 168}) EXPECT_EQ(g_screen_buffer[y * SCREEN_WIDTH + 120], 1) << "row " << y;
    EXPECT_EQ(g_screen_buffer[60 * SCREEN_WIDTH + 172], 0) << "the cost meter was erased";
}

TEST_F(HarbourTest, TheTowCostsAMillionInCashAloneAndAStatusPoint) {
    for (int32_t status : {3, 0}) {
        Ship* ship = add_ship(0, 1, 5);
        ship->fuel = 0;
        owner_->status = status;
        key(ENTER);  // the letter
        Books before = books_of(owner_);
        tow_ship_out_of_fuel(0, owner_, ship);
        Books after = books_of(owner_);
        EXPECT_EQ(after.cash, before.cash - 1000);
        EXPECT_EQ(after.expenses_general, before.expenses_general);
        EXPECT_EQ(after.income_shipping, before.income_shipping);
        EXPECT_EQ(ship->fuel, 2000);
        EXPECT_EQ(owner_->status, status == 0 ? 0 : status - 1);
    }
    EXPECT_EQ(seen(), "LL");
}

struct LayUpCase {
    const char* what;
    std::vector<uint32_t> typed;
    int32_t layup;
    int32_t command;
};

const LayUpCase kLayUps[] = {
    {"one day as offered", {ENTER, ENTER}, 1, 1},
    {"99 days", {'9', '9', ENTER, ENTER}, 99, 1},
    {"0 days acts as cancel", {'0', ENTER, ENTER}, 0, 999},
    {"cancel", {ENTER, 'c'}, 0, 999},
    {"escape", {ENTER, 27}, 0, 999},
    {"100 days are refused", {'1', '0', '0', ENTER, ENTER, ENTER, ENTER, 'c'}, 0, 999},
    {"a refusal then 7 days", {'1', '0', '0', ENTER, ENTER, ENTER, RIGHT, RIGHT, RIGHT, BACKSPACE, BACKSPACE, BACKSPACE,
                               '7', ENTER, ENTER},
     7, 1},
};

class LayUp : public HarbourTest, public testing::WithParamInterface<LayUpCase> {};

TEST_P(LayUp, TakesOneTo99DaysAndTheCharterAway) {
    const LayUpCase& c = GetParam();
    Ship* ship = add_ship(0, 1, 5);
    ship->route = 5;
    for (uint32_t k : c.typed) key(k);
    Books before = books_of(owner_);
    lay_up_dialog(0, owner_, ship);
    EXPECT_EQ(g_command, c.command);
    EXPECT_EQ(ship->layup_days, c.layup);
    EXPECT_EQ(ship->route, c.command == 1 ? 0 : 5);
    Books after = books_of(owner_);
    EXPECT_EQ(after.cash, before.cash);
    EXPECT_EQ(after.expenses_general, before.expenses_general);
}

INSTANTIATE_TEST_SUITE_P(Services, LayUp, testing::ValuesIn(kLayUps), CaseName());

TEST(RepairBase, ScalesByModelAgeAndTheFreightIndex) {
    g_freight_index = 1000;
    EXPECT_EQ(repair_base_price(1), 60000);
    EXPECT_EQ(repair_base_price(4), 6250);
    EXPECT_EQ(repair_base_price(5), 5000);
    EXPECT_EQ(repair_base_price(6), 3320);
    EXPECT_EQ(repair_base_price(7), 1660);
    g_freight_index = 1200;
    EXPECT_EQ(repair_base_price(4), 7500);
    g_freight_index = 1000;
}

struct RepairCase {
    const char* what;
    int32_t model;
    int32_t condition;
    int32_t cash;
    std::vector<uint32_t> typed;
    int32_t condition_after;
    int32_t shipyard_days;
    int32_t cost;
    int32_t command;
    std::string seen;
};

const RepairCase kRepairs[] = {
    {"model 4 from 75.5 by 10 percent", 4, 7550, 5000, {'1', '0', ENTER, ENTER}, 8500, 6, 625, 1, "FFFS"},
    {"1 percent takes a day", 5, 9900, 5000, {ENTER, ENTER}, 10000, 1, 50, 1, "FS"},
    {"3 percent take two days", 5, 9700, 5000, {ENTER, ENTER}, 10000, 2, 150, 1, "FS"},
    {"100 percent take 51 days", 7, 0, 5000, {ENTER, ENTER}, 10000, 51, 1660, 1, "FS"},
    {"cash exactly the cost", 4, 9000, 625, {ENTER, ENTER}, 10000, 6, 625, 1, "FS"},
    {"0 percent orders nothing", 5, 9000, 5000, {'0', ENTER, ENTER}, 9000, 0, 0, 999, "FFS"},
    {"cancel", 5, 9000, 5000, {ENTER, 'c'}, 9000, 0, 0, 999, "FS"},
    {"more than the ship lacks is refused", 5, 9000, 5000, {'2', '0', ENTER, ENTER, ENTER, ENTER, 'c'}, 9000, 0, 0,
     999, "FFFSMFS"},
    {"a minus sign is refused", 5, 9000, 5000, {'-', '5', ENTER, ENTER, ENTER, ENTER, 'c'}, 9000, 0, 0, 999,
     "FFFSMFS"},
    {"too little cash", 4, 9000, 624, {ENTER, ENTER, ENTER}, 9000, 0, 0, 998, "FSM"},
};

class Repair : public HarbourTest, public testing::WithParamInterface<RepairCase> {};

TEST_P(Repair, KeepsWholePercentsAndRefusesWhatCannotBeDone) {
    const RepairCase& c = GetParam();
    Ship* ship = add_ship(0, 1, c.model);
    ship->condition = c.condition;
    ship->route = 5;
    owner_->cash = c.cash;
    for (uint32_t k : c.typed) key(k);
    Books before = books_of(owner_);
    repair_ship_dialog(0, owner_, ship);
    Books after = books_of(owner_);
    EXPECT_EQ(g_command, c.command);
    EXPECT_EQ(ship->condition, c.condition_after);
    EXPECT_EQ(ship->shipyard_days, c.shipyard_days);
    EXPECT_EQ(before.cash - after.cash, c.cost);
    EXPECT_EQ(after.expenses_general - before.expenses_general, c.cost);
    EXPECT_EQ(ship->route, c.command == 1 ? 0 : 5);
    EXPECT_EQ(seen(), c.seen);
}

INSTANTIATE_TEST_SUITE_P(Services, Repair, testing::ValuesIn(kRepairs), CaseName());

TEST_F(HarbourTest, AQuitAfterARefusedRepairOrdersNothing) {
    Ship* ship = add_ship(0, 1, 5);
    ship->condition = 9000;
    for (uint32_t k : {uint32_t('2'), uint32_t('0'), ENTER, ENTER, ENTER, HarbourTest::QUIT}) key(k);
    Books before = books_of(owner_);
    repair_ship_dialog(0, owner_, ship);
    EXPECT_EQ(g_command, 999);
    EXPECT_EQ(ship->condition, 9000);
    EXPECT_EQ(books_of(owner_).cash, before.cash);
}

}  // namespace

namespace {

struct Budget {
    const char* what;
    TextId id;
    int32_t max_px;  // in sys13
};

// Every label fits its button (its width less 3) or the room its text has on the screen.
const Budget kBudgets[] = {
    {"charter OK", TXT_CM_OK, 22},
    {"charter and repair cancel", TXT_CM_CANCEL, 47},
    {"shared cancel", TXT_HS_CANCEL, 47},
    {"ok", TXT_HS_OK, 55},
    {"bunker Ready", TXT_HS_READY, 77},
    {"bribe 100000", TXT_HV_BRIBE_100, 97},
    {"bribe 50000", TXT_HV_BRIBE_50, 97},
    {"bribe 10000", TXT_HV_BRIBE_10, 97},
    {"bribe reject", TXT_HV_BRIBE_REJECT, 97},
    {"how much", TXT_HV_BRIBE_HOW_MUCH, 118},
    {"lay up", TXT_HS_LAYUP_TITLE, 108},
    {"how long", TXT_HS_LAYUP_HOW_LONG, 108},
    {"days", TXT_HS_LAYUP_DAYS, 136},
    {"keep running", TXT_HS_LAYUP_COSTS_2, 168},
    {"repair how", TXT_HS_REPAIR_HOW, 105},
    {"many percent", TXT_HS_REPAIR_PERCENT, 105},
    {"docked", TXT_HS_REPAIR_DOCKED, 185},
    {"fine box", TXT_HV_FINE_1, 295},
};

class Labels : public HarbourTest, public testing::WithParamInterface<Budget> {};

TEST_P(Labels, FitTheirPlaces) {
    EXPECT_LE(font_text_width(&g_font_sys13, lang_text(GetParam().id)), GetParam().max_px) << lang_text(GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Texts, Labels, testing::ValuesIn(kBudgets), CaseName());

}  // namespace
