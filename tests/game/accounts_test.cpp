// The valuation of a fleet and the net worth, the rounding to millions, and the status line's text.
#include "world/state_reset.h"
#include "views/accounts.h"

#include <gtest/gtest.h>

#include <cstring>

#include "world/records.h"
#include "world/ship_types.h"
#include "tests/harness/harness.h"

namespace {

class Accounts : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        world_state_reset();
        owner = Shipowner{};
    }
    void TearDown() override {
        free_ships(&owner);
        g_shipowners[0] = Shipowner{};
    }
    Ship* add_ship(int8_t type, int32_t condition, int32_t mortgage) {
        Ship* ship = new_ship();
        ship->ship_type = type;
        ship->condition = condition;
        ship->mortgage = mortgage;
        append_ship(&owner, ship);
        return ship;
    }
    void commit() { g_shipowners[0] = owner; }
    Shipowner owner{};
};

TEST_F(Accounts, NetWorthWithoutShipsIsCashLessCredit) {
    owner.cash = 4100;
    owner.credit = 600;
    commit();
    int32_t values = -1, mortgages = -1, credit = -1, worth = -1;
    compute_shipowner_assets(0, &values, &mortgages, &credit, &worth);
    EXPECT_EQ(values, 0);
    EXPECT_EQ(mortgages, 0);
    EXPECT_EQ(credit, 600);
    EXPECT_EQ(worth, 3500);
}

TEST_F(Accounts, ShipsCountAtEightyPercentScaledByConditionAndIndex) {
    const int32_t price = g_ship_type_table[1].price;
    owner.cash = 100;
    add_ship(1, 5000, 300);
    add_ship(1, 10000, 0);
    g_ship_price_index = 1256;
    commit();
    int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
    compute_shipowner_assets(0, &values, &mortgages, &credit, &worth);
    // Each factor truncates on its own.
    int32_t half = (price * 5000 / 10000) * 1256 / 1000 * 80 / 100;
    int32_t full = (price * 10000 / 10000) * 1256 / 1000 * 80 / 100;
    EXPECT_EQ(values, half + full);
    EXPECT_EQ(mortgages, 300);
    EXPECT_EQ(worth, 100 - 300 + half + full);
}

TEST(AccountsMillions, RoundsToTheNearestHundredThousand) {
    struct Case {
        int32_t amount, millions, tenths;
    } cases[] = {{1950, 2, 0}, {1949, 1, 9}, {0, 0, 0}, {49, 0, 0}, {50, 0, 1}, {2345, 2, 3}, {4100, 4, 1}};
    for (const Case& c : cases) {
        int32_t m = -1, t = -1;
        split_thousands_to_millions(c.amount, &m, &t);
        EXPECT_EQ(m, c.millions) << c.amount;
        EXPECT_EQ(t, c.tenths) << c.amount;
    }
}

TEST_F(Accounts, StatusLineTextsForOneShipManyAndNegativeCash) {
    strcpy(owner.company, "Oceanic");
    owner.home_port = 1;  // London
    struct Case {
        int32_t cash;
        int32_t ships;
        const char* text;
    } cases[] = {
        {4100, 2, "Oceanic Lon: 2 ships Million$:4.1"},
        {4100, 1, "Oceanic Lon: 1 ship Million$:4.1"},
        {4100, 0, "Oceanic Lon: 0 ships Million$:4.1"},
        {-2345, 0, "Oceanic Lon: 0 ships Million$:-2.3"},
    };
    for (const Case& c : cases) {
        free_ships(&owner);
        for (int32_t i = 0; i < c.ships; ++i) add_ship(1, 10000, 0);
        owner.cash = c.cash;
        commit();
        char line[96];
        format_shipowner_status_line(0, line, sizeof line);
        EXPECT_STREQ(line, c.text);
    }
}

}  // namespace
