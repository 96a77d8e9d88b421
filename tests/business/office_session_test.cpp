// A whole visit to the office played on keys: the bank raises a mortgage, lends and takes back
// credit, takes a payment on the mortgage and moves the home port; then every Info screen, the
// accounts menu with the statistics, the ship locator and the ranking list. At every sleep of the
// game thread the cash, the four accounts and the net worth must agree.
#include <gtest/gtest.h>

#include <vector>

#include "business/office.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "tests/business/office_fixture.h"
#include "ui/gadget.h"
#include "views/accounts.h"
#include "world/records.h"

namespace {

using Keys = std::vector<int32_t>;

TEST_F(OfficeTest, AVisitToTheOfficeKeepsTheBooksInStep) {
    Shipowner& owner = g_shipowners[0];
    Ship* ship = add_ship(2, "Aurora");  // worth 35000 x 80 % = 28000 k$
    int32_t checks = 0;
    bool locator_seen = false;
    watch = [&] {
        const int32_t booked =
            owner.income_shipping + owner.income_sales - owner.expenses_general - owner.expenses_interest;
        EXPECT_EQ(owner.cash, 4100 + booked) << "at " << headless_now() << " ms";
        int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
        compute_shipowner_assets(0, &values, &mortgages, &credit, &worth);
        EXPECT_EQ(worth, owner.cash - owner.credit + 28000 - ship->mortgage);
        for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next)
            locator_seen = locator_seen || g->id == 99;
        ++checks;
    };
    const uint16_t draws_before = g_random_counter;
    script(join({
        Keys{'a'},  // the bank
        Keys{'1', KEY_ENTER},
        amount(5000),
        Keys{KEY_ESCAPE},  // a mortgage of 5000 on Aurora
        Keys{'3'},
        amount(2000),  // credit of 2000
        Keys{'4'},
        amount(500),  // 500 of it repaid: 560
        Keys{'2', KEY_ENTER},
        amount(1000),
        Keys{KEY_ESCAPE},                           // 1000 of the mortgage paid off: 1080
        Keys{'5', 'y', KEY_DOWN_ARROW, KEY_ENTER},  // London to Marseilles: 1100
        Keys{KEY_ENTER},                            // back at the desk
        Keys{'i'},                                  // Info
        Keys{'1', '1', KEY_ENTER, '2', KEY_ENTER, '3', KEY_ENTER, KEY_ENTER},  // the accounts menu
        Keys{'2', KEY_ENTER},                                                  // fleet statistics
        Keys{'3', KEY_ENTER, KEY_ENTER, 'n'},  // the locator for Aurora, then " none"
        Keys{'4', KEY_ENTER},                  // bank accounts
        Keys{'5', KEY_PAUSE, KEY_ENTER},       // the ranking list once its bars stand
        Keys{KEY_ENTER, KEY_ENTER},            // out of Info and the office
    }));
    shipowner_office_screen(0);

    EXPECT_EQ(headless_pending_events(), 0u) << "the office ends with the last key";
    EXPECT_GT(checks, 100);
    EXPECT_TRUE(locator_seen);
    EXPECT_EQ(ship->mortgage, 4000);
    EXPECT_EQ(owner.credit, 1500);
    EXPECT_EQ(owner.income_sales, 7000);
    EXPECT_EQ(owner.expenses_general, 560 + 1080 + 1100);
    EXPECT_EQ(owner.cash, 4100 + 7000 - 2740);
    EXPECT_EQ(owner.home_port, 4);
    EXPECT_EQ(owner.office_neglect_days, 0);
    // The ranking list alone draws: five bricks of status and one row of net worth.
    EXPECT_EQ(static_cast<uint16_t>(g_random_counter - draws_before), 6);
    EXPECT_EQ(g_gadget_list, nullptr);
}

}  // namespace
