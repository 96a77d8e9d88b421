// A whole visit to the broker's building on keys: the lift ride up, a model 5 bought on the 4th
// floor with 10 % more down, a look at its data sheet, then the same ship sold on the 2nd floor.
// At every stop the cash and the accounts move together and the net worth follows the fleet.
#include <gtest/gtest.h>

#include "business/broker.h"
#include "business/sellers_market.h"
#include "tests/business/broker_fixture.h"
#include "ui/gadget.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "world/records.h"

namespace {

bool floor_4() {
    return BrokerTest::button_up(" Info", 210, 75) && !BrokerTest::message_box_up();
}
bool name_field() {
    return BrokerTest::field_active(2) && !BrokerTest::message_box_up();
}
bool extra_field() {
    return BrokerTest::field_active(3) && !BrokerTest::message_box_up();
}
bool contract() {
    return BrokerTest::button_up("  ok", 0, 185) && g_active_entry_field == nullptr &&
           !BrokerTest::message_box_up();
}
bool panel() {
    return BrokerTest::lift_panel_up() && !BrokerTest::message_box_up();
}
bool sellers() {
    return BrokerTest::button_up("  no", 50, 185) && !BrokerTest::message_box_up();
}
bool offer() {
    return BrokerTest::button_up("  Accept offer", 0, 185) && !BrokerTest::message_box_up();
}

int32_t net_worth() {
    int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
    compute_shipowner_assets(0, &values, &mortgages, &credit, &worth);
    return worth;
}

int32_t ledger(const Shipowner& o) {
    return o.income_shipping + o.income_sales - o.expenses_general - o.expenses_interest;
}

TEST_F(BrokerTest, BuyingAndSellingAShipMovesCashAndAccountsTogether) {
    Shipowner& owner = g_shipowners[0];
    g_ship_price_index = 1050;  // model 5 costs 4200 k$
    const int32_t start_cash = owner.cash;
    int32_t worth_with_ship = 0;
    int32_t cash_with_ship = 0;
    watch([&] {
        // Once the ship is bought and the shipowner is back at the panel.
        if (owner.ships != nullptr && worth_with_ship == 0 && panel()) {
            worth_with_ship = net_worth();
            cash_with_ship = owner.cash;
        }
    });
    plan({keys(panel, "4"), keys(floor_4, "3"), keys(name_field, "Aurora\r"), keys(extra_field, "10\r"),
          keys(contract, "\r"), keys(message_box_up, "\r"), keys(floor_4, "4"), keys(contract, "\r"),
          keys(floor_4, "\r"), keys(panel, "2"), keys(sellers, "\r"), keys(offer, "\r"),
          keys(message_box_up, "\r"), keys(sellers, "n"), keys(panel, "\r")});
    enter_shipbroker_building(0);
    EXPECT_EQ(steps_done(), 15);

    // Bought: 60 % of 4200 = 2520 down, 1680 on mortgage; condition 8010.
    EXPECT_EQ(cash_with_ship, start_cash - 2520);
    int32_t value = 4000 * 8010 / 10000 * 1050 / 1000 * 80 / 100;  // 2691
    EXPECT_EQ(worth_with_ship, start_cash - 2520 - 1680 + value);
    // Sold for the same value; the mortgage went to the bank out of it.
    EXPECT_EQ(owner.ships, nullptr);
    EXPECT_EQ(owner.cash, start_cash - 2520 + value - 1680);
    EXPECT_EQ(owner.expenses_general, 2520);
    EXPECT_EQ(owner.income_sales, value - 1680);
    EXPECT_EQ(owner.cash - start_cash, ledger(owner)) << "cash and accounts in step";
    EXPECT_EQ(net_worth(), owner.cash);
    EXPECT_EQ(owner.status, 1) << "the first ship made the status 1; model 5 costs none to sell";
    EXPECT_EQ(ship_blocks_in_use(), 0);
    EXPECT_EQ(g_gadget_list, nullptr);
}

}  // namespace
