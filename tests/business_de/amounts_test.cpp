// The broker's amounts in millions in the German build, which writes them with a decimal comma and
// its own word for millions: the floors' price boxes and the rest of a sale after its mortgage.
#include <gtest/gtest.h>

#include <string>

#include "business/broker.h"
#include "business/sellers_market.h"
#include "world/state_reset.h"
#include "world/records.h"

namespace {

TEST(GermanAmounts, PriceBoxesAndTheRestOfASaleTakeTheCommaAndMio) {
    world_state_reset();
    g_ship_price_index = 1234;
    char text[48];
    struct Case {
        int32_t model;
        const char* want;
    };
    const Case prices[] = {
        {1, "Mio.$:74,0"},  // 60000 x 1234 / 1000 = 74040
        {3, "Mio.$:14,8"},  // 14808
        {7, "Mio.$:1,2"},   // 1234
    };
    for (const Case& c : prices) {
        format_broker_price(c.model, text, sizeof text);
        EXPECT_EQ(std::string(text), c.want) << "model " << c.model;
    }
    struct Rest {
        int32_t amount;
        const char* want;
    };
    const Rest rests[] = {{2551, "Mio.$ 2,6"}, {0, "Mio.$ 0,0"}, {12345, "Mio.$ 12,3"}};
    for (const Rest& r : rests) {
        format_sale_rest(r.amount, text, sizeof text);
        EXPECT_EQ(std::string(text), r.want) << r.amount << " k$";
    }
}

}  // namespace
