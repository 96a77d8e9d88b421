// The sellers market driven by a scripted visitor: the ship list in three columns, the choice by
// digit, arrow and click, the offer screen, the sale with and without a mortgage, the refusal when
// the mortgage is above the offer, keeping the ship, and the list rebuilt afterwards.
#include "business/sellers_market.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "lang/lang.h"
#include "tests/business/broker_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "world/records.h"

namespace {

#define T(id) lang_text(id)

bool list_up() {
    return BrokerTest::button_up("  no", 50, 185) && !BrokerTest::message_box_up();
}
bool offer_up() {
    return BrokerTest::button_up("  Accept offer", 0, 185) && !BrokerTest::message_box_up();
}

class SellersMarket : public BrokerTest {
  protected:
    // Ships "S1", "S2", ... of model 6 in full condition without mortgage.
    void add_ships(int32_t n) {
        for (int32_t i = 1; i <= n; ++i) {
            char name[12];
            std::snprintf(name, sizeof name, "S%d", static_cast<int>(i));
            add_ship(6, name, 10000, 0);
        }
    }
    static std::string names() {
        std::string s;
        for (const Ship* p = g_shipowners[0].ships; p != nullptr; p = p->next)
            s += std::string(p->name) + " ";
        return s;
    }
};

TEST_F(SellersMarket, ListsTheShipsInThreeColumnsOfTenWithTheFirstChosen) {
    add_ships(31);
    bool seen = false;
    watch([&] {
        if (seen || !list_up()) return;
        seen = true;
        for (int32_t i = 0; i < 30; ++i) {
            const ScreenButton& b = g_sellers_buttons[i];
            EXPECT_EQ(b.x, 7 + 102 * (i / 10)) << i;
            EXPECT_EQ(b.y, 32 + 14 * (i % 10)) << i;
            EXPECT_EQ(b.w, 100);
            EXPECT_EQ(b.h, 13);
            EXPECT_EQ(b.command, 100 + i);
        }
        EXPECT_EQ(g_sellers_buttons[30].command, 300) << "the 31st ship is not offered";
        EXPECT_EQ(g_sellers_buttons[31].command, 1);
        EXPECT_TRUE(button_up("  ok", 0, 185));
        EXPECT_EQ(g_selected_button, 0);
        EXPECT_EQ(pixel(100, 34), 23) << "the first ship's face is the chosen one";
        EXPECT_EQ(pixel(100, 48), 17);
        EXPECT_EQ(pixel(100, 185), 15) << "the box of the question";
    });
    plan({keys(list_up, "n")});
    sellers_market_dialog(0);
    EXPECT_TRUE(seen);
    EXPECT_EQ(ship_count(&g_shipowners[0]), 31);
    EXPECT_EQ(g_screen_button_last, -1);
}

TEST_F(SellersMarket, TheSaleOfOneOfThirtyLetsTheNextIntoTheListAndRebuildsItLower) {
    add_ships(31);
    Shipowner& owner = g_shipowners[0];
    owner.cash = 100;
    owner.status = 5;
    int32_t rebuilt_h = 0;
    const char* thirtieth = nullptr;
    watch([&] {
        if (list_up() && steps_done() == 3) {
            rebuilt_h = g_sellers_buttons[0].h;
            thirtieth = g_sellers_buttons[29].label;
            EXPECT_EQ(g_selected_button, 0) << "the first ship is chosen again";
        }
    });
    plan({keys(list_up, "2"), keys(list_up, "\r"), keys(offer_up, "\r"), keys(list_up, "n")});
    sellers_market_dialog(0);
    EXPECT_EQ(steps_done(), 4);
    EXPECT_EQ(ship_count(&owner), 30);
    EXPECT_EQ(names().substr(0, 9), "S1 S3 S4 ");
    EXPECT_EQ(owner.cash, 100 + 1600);  // model 6: 2000 x 80 %
    EXPECT_EQ(owner.income_sales, 1600);
    EXPECT_EQ(owner.status, 5) << "model 6 costs no status";
    EXPECT_EQ(rebuilt_h, 11);
    ASSERT_NE(thirtieth, nullptr);
    EXPECT_STREQ(thirtieth, "S31");
    EXPECT_TRUE(boxes().empty()) << "no mortgage, no box";
}

struct ChoiceCase {
    const char* what;
    std::string keys;  // on the list, before Enter
    const char* sold;
};

class SellersChoice : public SellersMarket, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(SellersChoice, SellsTheChosenShip) {
    const ChoiceCase& c = GetParam();
    add_ships(25);
    std::vector<Step> steps;
    for (char k : c.keys) steps.push_back(keys(list_up, std::string(1, k)));
    steps.push_back(keys(list_up, "\r"));
    steps.push_back(keys(offer_up, "\r"));
    steps.push_back(keys(list_up, "\x1b"));
    plan(steps);
    sellers_market_dialog(0);
    EXPECT_EQ(steps_done(), static_cast<int32_t>(steps.size()));
    EXPECT_EQ(ship_count(&g_shipowners[0]), 24);
    EXPECT_EQ(names().find(std::string(c.sold) + " "), std::string::npos) << names();
}

// The arrows arrive as the key codes 37 left, 38 up, 39 right, 40 down.
INSTANTIATE_TEST_SUITE_P(Cases, SellersChoice,
                         testing::Values(ChoiceCase{"Enter sells the first", "", "S1"},
                                         ChoiceCase{"digit 0 is the tenth", "0", "S10"},
                                         ChoiceCase{"right moves a column", "''", "S21"},
                                         ChoiceCase{"right past the last ship stays", "'''", "S21"},
                                         ChoiceCase{"down and up move one", "((&", "S2"},
                                         ChoiceCase{"left from the first column stays", "%", "S1"},
                                         ChoiceCase{"down then right", "('%'", "S12"}),
                         CaseName());

TEST_F(SellersMarket, AClickChoosesAShip) {
    add_ships(12);
    plan({click(list_up, 150, 37), keys(list_up, "\r"), keys(offer_up, "\r"), keys(list_up, "n")});
    sellers_market_dialog(0);
    EXPECT_EQ(names(), "S1 S2 S3 S4 S5 S6 S7 S8 S9 S10 S12 ");
}

TEST_F(SellersMarket, KeepingTheShipChangesNothing) {
    add_ships(2);
    Shipowner& owner = g_shipowners[0];
    owner.cash = 77;
    owner.status = 3;
    int32_t rebuilt_h = 0;
    watch([&] {
        if (list_up() && steps_done() >= 2) rebuilt_h = g_sellers_buttons[0].h;
    });
    plan({keys(list_up, "\r"), click(offer_up, 230, 192), keys(list_up, "\r"), keys(offer_up, "c"),
          keys(list_up, "n")});
    sellers_market_dialog(0);
    EXPECT_EQ(steps_done(), 5);
    EXPECT_EQ(names(), "S1 S2 ");
    EXPECT_EQ(owner.cash, 77);
    EXPECT_EQ(owner.income_sales, 0);
    EXPECT_EQ(owner.status, 3);
    EXPECT_EQ(rebuilt_h, 11);
}

TEST_F(SellersMarket, TheOfferScreenNamesTheOfferAndTheDemand) {
    add_ship(1, "Queen", 10000, 0);
    g_ship_price_index = 1101;
    bool seen = false;
    watch([&] {
        if (seen || !offer_up()) return;
        seen = true;
        EXPECT_TRUE(button_up("  Keep ship", 180, 185));
        EXPECT_EQ(pixel(60, 55), 15);
        EXPECT_EQ(pixel(260, 95), 0);
        EXPECT_EQ(pixel(60, 110), 15);
        EXPECT_EQ(pixel(260, 180), 0);
    });
    plan({keys(list_up, "\r"), keys(offer_up, "n"), keys(list_up, "n")});
    sellers_market_dialog(0);
    EXPECT_TRUE(seen);
    // 60000 x 1101 / 1000 x 80 % = 52848 k$
    char line[64];
    std::snprintf(line, sizeof line, T(TXT_SELL_OFFER), T(TXT_STATUS_MILLION), "", 52L, 8L);
    EXPECT_STREQ(line, "Offer: Million $52.8");
}

struct MortgageCase {
    const char* what;
    int32_t mortgage;
    bool sold;
    int32_t cash_after;
    const char* rest;  // the second line of the box after the sale, or null for no box
};

class SaleMortgage : public SellersMarket, public testing::WithParamInterface<MortgageCase> {};

// Model 4 in full condition at par: an offer of 4000 k$.
TEST_P(SaleMortgage, IsPaidOffOutOfTheOfferOrStopsTheSale) {
    const MortgageCase& c = GetParam();
    add_ship(4, "Elbe", 10000, c.mortgage);
    Shipowner& owner = g_shipowners[0];
    owner.cash = 500;
    std::vector<Step> steps = {keys(list_up, "\r")};
    if (c.sold) steps.push_back(keys(offer_up, "\r"));
    if (c.sold && c.rest != nullptr) steps.push_back(keys(message_box_up, "\r"));
    if (!c.sold) steps.push_back(keys(message_box_up, "\r"));
    steps.push_back(keys(list_up, "n"));
    size_t planned = steps.size();
    plan(steps);
    sellers_market_dialog(0);
    EXPECT_EQ(steps_done(), static_cast<int32_t>(planned));
    EXPECT_EQ(owner.cash, c.cash_after);
    EXPECT_EQ(owner.income_sales, c.cash_after - 500);
    EXPECT_EQ(owner.ships == nullptr, c.sold);
    if (!c.sold) {
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0], box_for({T(TXT_SELL_MORTGAGE_1), T(TXT_SELL_MORTGAGE_2), T(TXT_SELL_MORTGAGE_3),
                                       T(TXT_SELL_MORTGAGE_4), T(TXT_SELL_MORTGAGE_5), T(TXT_SELL_MORTGAGE_6),
                                       T(TXT_SELL_MORTGAGE_7)}));
        EXPECT_EQ(owner.ships->mortgage, c.mortgage);
    } else if (c.rest != nullptr) {
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0],
                  box_for({T(TXT_SELL_ALL_YOU_GET), c.rest, T(TXT_SELL_REST_1), T(TXT_SELL_REST_2)}));
    } else {
        EXPECT_TRUE(boxes().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaleMortgage,
    testing::Values(MortgageCase{"no mortgage: all is cash", 0, true, 4500, nullptr},
                    MortgageCase{"a mortgage is paid off", 1449, true, 3051, "Million $2.6"},
                    MortgageCase{"equal to the offer: nothing left", 4000, true, 500, "Million $0.0"},
                    MortgageCase{"above the offer: no sale", 4001, false, 500, nullptr}),
    CaseName());

TEST_F(SellersMarket, WithoutShipsOkDoesNothing) {
    plan({keys(list_up, "\r"), keys(list_up, "1"), keys(list_up, "n")});
    sellers_market_dialog(0);
    EXPECT_EQ(steps_done(), 3);
    EXPECT_EQ(g_sellers_buttons[0].command, 300) << "only no and ok";
    EXPECT_EQ(g_sellers_buttons[1].command, 1);
    EXPECT_EQ(g_selected_button, -1);
}

TEST_F(SellersMarket, AQuitRequestOnTheOfferSellsNothing) {
    add_ships(1);
    plan({keys(list_up, "\r"), quit(offer_up)});
    sellers_market_dialog(0);
    EXPECT_EQ(ship_count(&g_shipowners[0]), 1);
    EXPECT_EQ(g_shipowners[0].income_sales, 0);
    g_quit = 0;
}

}  // namespace
