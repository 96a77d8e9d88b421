// Selling a ship to the broker: the offer at the ship price index, the demand lines by index band,
// and what the sale books, takes off the status and leaves of the list.
#include <gtest/gtest.h>

#include <cstring>

#include "business/sellers_market.h"
#include "lang/lang.h"
#include "tests/business/broker_fixture.h"
#include "tests/harness/case_name.h"
#include "world/records.h"

namespace {

struct OfferCase {
    const char* what;
    int32_t model;
    int32_t condition;
    int32_t index;
    int32_t offer;
};

class SaleOffer : public BrokerTest, public testing::WithParamInterface<OfferCase> {};

TEST_P(SaleOffer, IsEightyPercentOfThePriceByConditionAndIndex) {
    const OfferCase& c = GetParam();
    g_ship_price_index = c.index;
    Ship* ship = add_ship(c.model, "Jade", c.condition, 0);
    EXPECT_EQ(ship_sale_offer(ship), c.offer);
}

// Each of the three steps truncates on its own.
INSTANTIATE_TEST_SUITE_P(Cases, SaleOffer,
                         testing::Values(OfferCase{"model 1 new at par", 1, 10000, 1000, 48000},
                                         OfferCase{"model 5 as bought at par", 5, 8010, 1000, 2563},
                                         OfferCase{"model 7 worn at 899", 7, 4321, 899, 310},
                                         OfferCase{"model 3 at 1101", 3, 9999, 1101, 10567},
                                         OfferCase{"model 6 at zero condition", 6, 0, 1000, 0}),
                         CaseName());

struct DemandCase {
    const char* what;
    int32_t index;
    TextId first;
    TextId second;
    TextId third;
};

class SaleDemand : public testing::TestWithParam<DemandCase> {};

TEST_P(SaleDemand, LinesFollowThePriceIndexBand) {
    const DemandCase& c = GetParam();
    const char* lines[3] = {};
    sale_demand_lines(c.index, lines);
    EXPECT_STREQ(lines[0], lang_text(c.first));
    EXPECT_STREQ(lines[1], lang_text(c.second));
    EXPECT_STREQ(lines[2], lang_text(c.third));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaleDemand,
    testing::Values(DemandCase{"899 is low", 899, TXT_SELL_LOW_1, TXT_SELL_LOW_2, TXT_SELL_LOW_3},
                    DemandCase{"900 is exact", 900, TXT_SELL_LUCKY, TXT_SELL_EXACT_2, TXT_SELL_EXACT_3},
                    DemandCase{"1100 is exact", 1100, TXT_SELL_LUCKY, TXT_SELL_EXACT_2, TXT_SELL_EXACT_3},
                    DemandCase{"1101 is high", 1101, TXT_SELL_LUCKY, TXT_SELL_HIGH_2, TXT_SELL_HIGH_3}),
    CaseName());

TEST(SaleDemandTexts, AreTheBrokersWords) {
    const char* lines[3] = {};
    sale_demand_lines(1101, lines);
    EXPECT_STREQ(lines[0], "You are lucky,");
    EXPECT_STREQ(lines[1], "there's a high demand for");
    EXPECT_STREQ(lines[2], "pre-owned ships.");
    sale_demand_lines(899, lines);
    EXPECT_STREQ(lines[0], "You are out of luck,");
    EXPECT_STREQ(lines[1], "the demand for ships is");
    EXPECT_STREQ(lines[2], "extremely low.");
    sale_demand_lines(1000, lines);
    EXPECT_STREQ(lines[1], "your ship is exactly");
    EXPECT_STREQ(lines[2], "what I'm looking for.");
}

struct SaleCase {
    const char* what;
    int32_t model;
    int32_t mortgage;
    int32_t status;
    int32_t sold;  // index of the ship sold of three
    int32_t cash_after;
    int32_t income_after;
    int32_t status_after;
    const char* left[2];
};

class Sale : public BrokerTest, public testing::WithParamInterface<SaleCase> {};

TEST_P(Sale, BooksTheOfferLessTheMortgageAndRemovesTheShip) {
    const SaleCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.cash = 1000;
    owner.income_sales = 5;
    owner.status = c.status;
    const char* names[3] = {"A", "B", "C"};
    Ship* ships[3];
    for (int32_t i = 0; i < 3; ++i)
        ships[i] = add_ship(i == c.sold ? c.model : 6, names[i], 10000, i == c.sold ? c.mortgage : 0);
    int32_t in_use = ship_blocks_in_use();
    Ship* previous = c.sold == 0 ? nullptr : ships[c.sold - 1];
    sell_ship(0, previous, ships[c.sold], ship_sale_offer(ships[c.sold]));
    EXPECT_EQ(owner.cash, c.cash_after);
    EXPECT_EQ(owner.income_sales, c.income_after);
    EXPECT_EQ(owner.expenses_general, 0);
    EXPECT_EQ(owner.status, c.status_after);
    EXPECT_EQ(ship_blocks_in_use(), in_use - 1) << "the record is freed";
    ASSERT_EQ(ship_count(&owner), 2);
    EXPECT_STREQ(owner.ships->name, c.left[0]);
    EXPECT_STREQ(owner.ships->next->name, c.left[1]);
}

// Offers at par and full condition: model 1 48000, 3 9600, 4 4000, 7 800.
INSTANTIATE_TEST_SUITE_P(
    Cases, Sale,
    testing::Values(
        SaleCase{"model 1 from status 2 leaves 0", 1, 0, 2, 1, 49000, 48005, 0, {"A", "C"}},
        SaleCase{"model 1 from status 9 leaves 6", 1, 0, 9, 2, 49000, 48005, 6, {"A", "B"}},
        SaleCase{"the list head: the second ship heads the list", 3, 0, 4, 0, 10600, 9605, 3, {"B", "C"}},
        SaleCase{"a mortgage equal to the offer books nothing", 4, 4000, 1, 1, 1000, 5, 1, {"A", "C"}},
        SaleCase{"a mortgage is paid off out of the offer", 7, 300, 0, 2, 1500, 505, 0, {"A", "B"}}),
    CaseName());

TEST_F(BrokerTest, SellingTheLastShipEmptiesTheList) {
    Ship* ship = add_ship(2, "Solo", 10000, 0);
    g_shipowners[0].status = 1;
    sell_ship(0, nullptr, ship, ship_sale_offer(ship));
    EXPECT_EQ(g_shipowners[0].ships, nullptr);
    EXPECT_EQ(g_shipowners[0].status, 0) << "never below 0";
}

}  // namespace
