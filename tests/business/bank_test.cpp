// The bank: the mortgage ceiling, the raise and pay-off dialogs, credit, the change of home port,
// the ship lists and the bank screen, driven by keys on the headless host.
#include "business/bank.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/headless_host.h"
#include "tests/business/office_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/home_port.h"
#include "world/records.h"

namespace {

using Keys = std::vector<int32_t>;

const Keys ENTER = {KEY_ENTER};

TEST_F(OfficeTest, MortgageMaximumByModelConditionAndIndex) {
    struct Case {
        int32_t model, condition, index, mortgage, max;
    };
    const Case cases[] = {
        {2, 10000, 1000, 0, 18900},  // 35000 x 90 / 100 = 31500, x 60 / 100
        {2, 10000, 1000, 18900, 0},  // carried to the ceiling already
        {2, 10000, 1000, 900, 18000},
        {1, 5000, 1200, 0, 19440},  // 30000, x 1.2 = 36000, x 0.9 = 32400, x 0.6
        {3, 9999, 1000, 0, 6478},   // 12000 x 9999 / 10000 = 11998, 10798, 6478.8
        {4, 10000, 1000, 0, 2250},  // half for the '91 models
        {5, 10000, 1000, 0, 1800},
        {6, 10000, 1000, 0, 0},  // never for the '86 models
        {7, 10000, 2000, 0, 0},
        {2, 10000, 1000, 20000, -1100},  // above the ceiling after a price fall
    };
    for (const Case& c : cases) {
        Ship ship{};
        ship.ship_type = static_cast<int8_t>(c.model);
        ship.condition = c.condition;
        ship.mortgage = c.mortgage;
        g_ship_price_index = c.index;
        EXPECT_EQ(mortgage_maximum(&ship), c.max) << "model " << c.model << " condition " << c.condition;
    }
}

struct RaiseCase {
    const char* what;
    int32_t model;
    int32_t mortgage;  // before, at 9 % / 365 days when below 50, else 2 % / 90, 17 days counted
    Keys keys;
    int32_t after;
    int32_t rate, period;
    std::vector<std::string> boxes;
};

class RaiseMortgage : public OfficeTest, public testing::WithParamInterface<RaiseCase> {};

TEST_P(RaiseMortgage, BooksTheLoanOrRefusesIt) {
    const RaiseCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    Ship* ship = add_ship(c.model, "Aurora");
    ship->mortgage = c.mortgage;
    ship->mortgage_rate = static_cast<int8_t>(c.mortgage < 50 ? 9 : 2);
    ship->mortgage_period = c.mortgage < 50 ? 365 : 90;
    ship->mortgage_days = 17;
    const int8_t rate_before = ship->mortgage_rate;
    const int32_t period_before = ship->mortgage_period;
    script(c.keys);
    raise_mortgage_dialog(0, &owner, ship);

    const int32_t raised = c.after - c.mortgage;
    EXPECT_EQ(ship->mortgage, c.after);
    EXPECT_EQ(owner.cash, 4100 + raised);
    EXPECT_EQ(owner.income_sales, raised);
    EXPECT_EQ(owner.expenses_general, 0);
    EXPECT_EQ(ship->mortgage_days, 17) << "raising keeps the days already counted";
    EXPECT_EQ(ship->mortgage_rate, raised != 0 ? c.rate : rate_before);
    EXPECT_EQ(ship->mortgage_period, raised != 0 ? c.period : period_before);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(g_gadget_list, nullptr) << "the dialog leaves no field or button behind";
}

INSTANTIATE_TEST_SUITE_P(
    Bank, RaiseMortgage,
    testing::Values(
        RaiseCase{"a total of 49 runs at 9 percent a year", 2, 0, OfficeTest::amount(49), 49, 9, 365, {}},
        RaiseCase{"a total of 50 runs at 2 percent per 90 days", 2, 0, OfficeTest::amount(50), 50, 2, 90, {}},
        RaiseCase{"1 more on 49 re-rates the whole total", 2, 49, OfficeTest::amount(1), 50, 2, 90, {}},
        RaiseCase{"the model 2 ceiling of 18900 is lent", 2, 0, OfficeTest::amount(18900), 18900, 2, 90, {}},
        RaiseCase{"above the ceiling is refused, then 0 leaves",
                  2,
                  0,
                  OfficeTest::join({OfficeTest::amount(18901), ENTER, OfficeTest::amount(0)}),
                  0,
                  0,
                  0,
                  {"Now, don't overdo it."}},
        RaiseCase{"a negative amount is refused and the field stays for another",
                  2,
                  0,
                  OfficeTest::join({OfficeTest::amount(-5), ENTER, OfficeTest::amount(300)}),
                  300,
                  2,
                  90,
                  {"There is no negative"}},
        RaiseCase{"model 6 never gets a mortgage", 6, 0, ENTER, 0, 0, 0, {"Sorry you cannot get"}},
        RaiseCase{"model 7 never gets a mortgage", 7, 0, ENTER, 0, 0, 0, {"Sorry you cannot get"}},
        RaiseCase{"a ship at its ceiling gets nothing more",
                  2,
                  18900,
                  ENTER,
                  18900,
                  2,
                  90,
                  {"Sorry you cannot get"}},
        RaiseCase{"an entry of 0 leaves without effect", 2, 0, OfficeTest::amount(0), 0, 0, 0, {}}),
    CaseName());

struct PayOffCase {
    const char* what;
    int32_t cash;
    int32_t mortgage;
    Keys keys;
    int32_t after_mortgage;
    int32_t after_cash;
    std::vector<std::string> boxes;
};

class PayOffMortgage : public OfficeTest, public testing::WithParamInterface<PayOffCase> {};

TEST_P(PayOffMortgage, ChargesTheFeeOrRefuses) {
    const PayOffCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.cash = c.cash;
    Ship* ship = add_ship(2, "Aurora");
    ship->mortgage = c.mortgage;
    script(c.keys);
    pay_off_mortgage_dialog(0, &owner, ship);

    EXPECT_EQ(ship->mortgage, c.after_mortgage);
    EXPECT_EQ(owner.cash, c.after_cash);
    EXPECT_EQ(owner.expenses_general, c.cash - c.after_cash) << "the payment and its fee are expenses";
    EXPECT_EQ(owner.income_sales, 0);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(g_gadget_list, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Bank, PayOffMortgage,
    testing::Values(PayOffCase{"with cash 0 paying off 200 passes and leaves -216",
                               0,
                               1000,
                               OfficeTest::amount(200),
                               800,
                               -216,
                               {}},
                    PayOffCase{"with cash 0 paying off 201 is refused and closes",
                               0,
                               1000,
                               OfficeTest::join({OfficeTest::amount(201), ENTER}),
                               1000,
                               0,
                               {"Positively no deal!"}},
                    PayOffCase{"the whole mortgage as offered costs 108 percent",
                               4100,
                               1000,
                               Keys{KEY_ENTER, KEY_ENTER},
                               0,
                               4100 - 1080,
                               {}},
                    PayOffCase{"more than the mortgage is refused, the field stays",
                               4100,
                               1000,
                               OfficeTest::join({OfficeTest::amount(1001), ENTER, OfficeTest::amount(100)}),
                               900,
                               4100 - 108,
                               {"You are giving"}},
                    PayOffCase{"a negative amount is refused, the field stays",
                               4100,
                               1000,
                               OfficeTest::join({OfficeTest::amount(-1), ENTER, OfficeTest::amount(0)}),
                               1000,
                               4100,
                               {"There is no negative"}},
                    PayOffCase{"no mortgage, no dialog", 4100, 0, ENTER, 0, 4100, {"But there is no"}}),
    CaseName());

struct CreditCase {
    const char* what;
    int32_t status;
    int32_t cash;
    int32_t credit;  // before, at 3 % per 91 days
    Keys keys;
    int32_t after_credit;
    int32_t rate, period;
    std::vector<std::string> boxes;
};

class ObtainCredit : public OfficeTest, public testing::WithParamInterface<CreditCase> {};

TEST_P(ObtainCredit, LendsAShareOfTheNetWorth) {
    const CreditCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.status = c.status;
    owner.cash = c.cash;
    owner.credit = c.credit;
    owner.credit_rate = 3;
    owner.credit_period = 91;
    owner.credit_days = 40;
    script(c.keys);
    obtain_credit_dialog(0, &owner);

    const int32_t lent = c.after_credit - c.credit;
    EXPECT_EQ(owner.credit, c.after_credit);
    EXPECT_EQ(owner.cash, c.cash + lent);
    EXPECT_EQ(owner.income_sales, lent);
    EXPECT_EQ(owner.credit_rate, c.rate);
    EXPECT_EQ(owner.credit_period, c.period);
    EXPECT_EQ(owner.credit_days, 40);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(g_gadget_list, nullptr);
}

// Status 5 lends 20 % of the net worth: 4100 cash less the credit gives a maximum of 820 less it.
INSTANTIATE_TEST_SUITE_P(
    Bank, ObtainCredit,
    testing::Values(
        CreditCase{"33 runs at 12 percent a year", 5, 4100, 0, OfficeTest::amount(33), 33, 12, 365, {}},
        CreditCase{"34 runs at 3 percent per 91 days", 5, 4100, 0, OfficeTest::amount(34), 34, 3, 91, {}},
        CreditCase{"33 more re-rates an earlier larger credit",
                   5,
                   4300,
                   200,
                   OfficeTest::amount(33),
                   233,
                   12,
                   365,
                   {}},
        CreditCase{"the whole maximum is lent", 5, 4100, 0, OfficeTest::amount(820), 820, 3, 91, {}},
        CreditCase{"above the maximum is refused and closes",
                   5,
                   4100,
                   0,
                   OfficeTest::join({OfficeTest::amount(821), ENTER}),
                   0,
                   3,
                   91,
                   {"You are asking too much."}},
        CreditCase{"a negative amount is refused, the field stays",
                   5,
                   4100,
                   0,
                   OfficeTest::join({OfficeTest::amount(-3), ENTER, OfficeTest::amount(100)}),
                   100,
                   3,
                   91,
                   {"negativ credits?"}},
        CreditCase{"status 3 lends 10 percent",
                   3,
                   4100,
                   0,
                   OfficeTest::join({OfficeTest::amount(411), ENTER}),
                   0,
                   3,
                   91,
                   {"You are asking too much."}},
        CreditCase{"status 10 lends 70 percent", 10, 4100, 0, OfficeTest::amount(2870), 2870, 3, 91, {}},
        CreditCase{"status 2 is denied", 2, 4100, 0, ENTER, 0, 3, 91, {"Sorry! Your credit has"}},
        CreditCase{"a net worth of 0 gets no credit", 5, 300, 300, ENTER, 300, 3, 91, {"Look up your PLA."}},
        CreditCase{
            "a credit at the share already gets no more", 5, 5125, 1025, ENTER, 1025, 3, 91, {"Sorry,"}}),
    CaseName());

TEST_F(OfficeTest, CreditShareByStatus) {
    const int32_t expected[] = {0, 0, 0, 0, 10, 20, 20, 30, 30, 50, 50, 70, 70};  // status -1 .. 11
    for (int32_t status = -1; status <= 11; ++status)
        EXPECT_EQ(credit_share(status), expected[status + 1]) << status;
}

class RepayCredit : public OfficeTest, public testing::WithParamInterface<CreditCase> {};

TEST_P(RepayCredit, ChargesTheFeeOrRefuses) {
    const CreditCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.cash = c.cash;
    owner.credit = c.credit;
    owner.credit_rate = 3;
    owner.credit_period = 91;
    script(c.keys);
    repay_credit_dialog(0, &owner);

    const int32_t repaid = c.credit - c.after_credit;
    const int32_t paid = repaid * 112 / 100;
    EXPECT_EQ(owner.credit, c.after_credit);
    EXPECT_EQ(owner.cash, c.cash - paid);
    EXPECT_EQ(owner.expenses_general, paid);
    EXPECT_EQ(owner.credit_rate, 3);
    EXPECT_EQ(owner.credit_period, 91);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(g_gadget_list, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Bank, RepayCredit,
    testing::Values(
        CreditCase{"100 repaid costs 112", 5, 4100, 100, OfficeTest::amount(100), 0, 3, 91, {}},
        CreditCase{"with cash 0 repaying 200 passes", 5, 0, 500, OfficeTest::amount(200), 300, 3, 91, {}},
        CreditCase{"with cash 0 repaying 201 is refused and closes",
                   5,
                   0,
                   500,
                   OfficeTest::join({OfficeTest::amount(201), ENTER}),
                   500,
                   3,
                   91,
                   {"Positively no deal!"}},
        CreditCase{"more than the credit is refused, the field stays",
                   5,
                   4100,
                   500,
                   OfficeTest::join({OfficeTest::amount(501), ENTER, OfficeTest::amount(0)}),
                   500,
                   3,
                   91,
                   {"You are giving"}},
        CreditCase{"a negative amount is refused, the field stays",
                   5,
                   4100,
                   500,
                   OfficeTest::join({OfficeTest::amount(-1), ENTER, OfficeTest::amount(50)}),
                   450,
                   3,
                   91,
                   {"negativ credits?"}},
        CreditCase{"no credit, no dialog", 5, 4100, 0, ENTER, 0, 3, 91, {"There is no credit"}}),
    CaseName());

struct HomePortCase {
    const char* what;
    int32_t cash;
    Keys keys;
    int32_t after_cash;
    bool moved;
    std::vector<std::string> boxes;
};

class ChangeHomePort : public OfficeTest, public testing::WithParamInterface<HomePortCase> {};

TEST_P(ChangeHomePort, ChargesTheFeeOnlyForAnotherPort) {
    const HomePortCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.cash = c.cash;
    for (const char* name : {"Aurora", "Boreas", "Cygnus"}) add_ship(4, name);
    script(c.keys);
    change_home_port(0);

    EXPECT_EQ(owner.cash, c.after_cash);
    EXPECT_EQ(owner.expenses_general, c.cash - c.after_cash);
    // London is 15th in the picker: one down is Marseilles.
    EXPECT_EQ(owner.home_port, c.moved ? 4 : 1);
    EXPECT_EQ(boxes, c.boxes);
    for (const Ship* s = owner.ships; s != nullptr; s = s->next) EXPECT_EQ(s->port, 1) << "the ships stay";
}

INSTANTIATE_TEST_SUITE_P(
    Bank, ChangeHomePort,
    testing::Values(HomePortCase{"3 ships cost 3100", 5000, {'y', KEY_DOWN_ARROW, KEY_ENTER}, 1900, true, {}},
                    HomePortCase{
                        "cash of exactly the fee moves", 3100, {'y', KEY_DOWN_ARROW, KEY_ENTER}, 0, true, {}},
                    HomePortCase{"cash of 3099 pays the penalty of 1000 instead",
                                 3099,
                                 {'y', KEY_ENTER},
                                 2099,
                                 false,
                                 {"Your credit line is"}},
                    HomePortCase{"back at the old port costs nothing",
                                 5000,
                                 {'y', KEY_DOWN_ARROW, KEY_UP_ARROW, KEY_ENTER},
                                 5000,
                                 false,
                                 {}},
                    HomePortCase{"no cancel leaves everything", 5000, {'n'}, 5000, false, {}}),
    CaseName());

TEST_F(OfficeTest, MortgageListReachesOnlyTheFirstThirtyShips) {
    Shipowner& owner = g_shipowners[0];
    Ship* ships[31];
    for (int32_t i = 0; i < 31; ++i) {
        char name[12];
        std::snprintf(name, sizeof name, "Ship %d", static_cast<int>(i + 1));
        ships[i] = add_ship(2, name);
    }
    int32_t listed = -1;
    watch = [&] {
        if (g_screen_button_last >= 0 && listed < 0) listed = g_screen_button_last + 1;
    };
    // Two columns right, nine down to the 30th ship, then one down more, which goes nowhere.
    Keys keys = {KEY_RIGHT_ARROW, KEY_RIGHT_ARROW};
    for (int32_t i = 0; i < 10; ++i) keys.push_back(KEY_DOWN_ARROW);
    keys = join({keys, ENTER, amount(10), Keys{KEY_ESCAPE}});
    script(keys);
    raise_mortgage_menu(0, &owner);

    EXPECT_EQ(listed, 32) << "30 ships, \"  no\" and \"  ok\"";
    EXPECT_EQ(ships[29]->mortgage, 10);
    EXPECT_EQ(ships[30]->mortgage, 0);
    EXPECT_EQ(owner.cash, 4110);
    EXPECT_EQ(g_gadget_list, nullptr);
}

TEST_F(OfficeTest, BankScreenRunsEachActionAndComesBack) {
    Shipowner& owner = g_shipowners[0];
    Ship* ship = add_ship(2, "Aurora");
    // Raise 1000 on the first ship by its digit key, obtain 500 credit by the button, repay 100 by the
    // digit key, pay off 300, then leave by OK.
    script(
        join({Keys{'1', KEY_ENTER}, amount(1000), Keys{KEY_ESCAPE}, Keys{KEY_CLICK, 100, 92}, amount(500),
              Keys{'4'}, amount(100), Keys{'2', KEY_ENTER}, amount(300), Keys{KEY_ESCAPE}, Keys{KEY_ENTER}}));
    bank_action_menu(0);

    EXPECT_EQ(ship->mortgage, 700);
    EXPECT_EQ(owner.credit, 400);
    EXPECT_EQ(owner.income_sales, 1500);
    EXPECT_EQ(owner.expenses_general, 112 + 324);
    EXPECT_EQ(owner.cash, 4100 + 1000 + 500 - 112 - 324);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(g_gadget_list, nullptr);
}

}  // namespace

namespace {

TEST_F(OfficeTest, AQuitWhileAnAmountIsTypedBooksNothing) {
    Shipowner& owner = g_shipowners[0];
    owner.credit = 500;
    Ship* ship = add_ship(2, "Aurora");
    ship->mortgage = 1000;
    // The amount typed and its field ended, then the quit flag instead of OK.
    watch = [] {
        if (headless_pending_events() == 0) g_quit = 1;
    };
    const std::vector<int32_t> typed = [] {
        std::vector<int32_t> keys = OfficeTest::amount(100);
        keys.pop_back();
        return keys;
    }();
    script(typed);
    raise_mortgage_dialog(0, &owner, ship);
    g_quit = 0;
    script(typed);
    pay_off_mortgage_dialog(0, &owner, ship);
    g_quit = 0;
    script(typed);
    obtain_credit_dialog(0, &owner);
    g_quit = 0;
    script(typed);
    repay_credit_dialog(0, &owner);
    g_quit = 0;

    EXPECT_EQ(ship->mortgage, 1000);
    EXPECT_EQ(owner.credit, 500);
    EXPECT_EQ(owner.cash, 4100);
    EXPECT_EQ(owner.income_sales, 0);
    EXPECT_EQ(owner.expenses_general, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(g_gadget_list, nullptr);
}

}  // namespace
