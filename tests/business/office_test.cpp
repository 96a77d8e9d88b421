// The office and its Info screens: the greeting, the keys of the desk, the profit and loss account
// with "clear", the possessions' background, the fleet statistics and the ships-positions list.
#include "business/office.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "tests/business/office_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "world/records.h"

namespace {

using Keys = std::vector<int32_t>;

bool box_up() {
    for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next)
        if (g == &g_message_ok_gadget) return true;
    return false;
}

TEST_F(OfficeTest, GreetsAShipownerWithoutShipsFromDayOne) {
    struct Case {
        int32_t day, status;
        bool greeted;
    };
    for (const Case c : {Case{0, -1, false}, Case{1, -1, true}, Case{250, -1, true}, Case{1, 0, false}}) {
        Shipowner& owner = g_shipowners[0];
        g_day = c.day;
        owner.status = c.status;
        owner.office_neglect_days = 42;
        bool greeted = false;
        watch = [&] { greeted = greeted || box_up(); };
        script(c.greeted ? Keys{KEY_ENTER, KEY_ENTER} : Keys{KEY_ENTER});
        shipowner_office_screen(0);
        EXPECT_EQ(greeted, c.greeted) << "day " << c.day << " status " << c.status;
        EXPECT_EQ(owner.office_neglect_days, 0);
        EXPECT_TRUE(shows_text(last_frame, 126, 188, "Status 0"));
        EXPECT_EQ(headless_pending_events(), 0u) << "the office ends with the last Enter";
    }
}

TEST_F(OfficeTest, OfficeOfAShipownerOutOfTheGameDoesNotOpen) {
    g_shipowners[0].out_of_game = 1;
    g_shipowners[0].office_neglect_days = 42;
    shipowner_office_screen(0);
    EXPECT_EQ(g_shipowners[0].office_neglect_days, 42);
}

TEST_F(OfficeTest, DeskKeysLeadToInfoAndTheBank) {
    Shipowner& owner = g_shipowners[0];
    owner.income_shipping = 900;
    owner.status = 12;
    // 'i': Info, '1' the accounts menu, '1' the account, 'c' clears it; OK twice back to the desk.
    // 'a': the bank, '3' obtain credit of 100, OK back to the desk; OK leaves.
    script(join({Keys{'i', '1', '1', 'c', KEY_ENTER, KEY_ENTER}, Keys{'a', '3'}, amount(100),
                 Keys{KEY_ENTER, KEY_ENTER}}));
    shipowner_office_screen(0);
    EXPECT_EQ(owner.income_shipping, 0);
    EXPECT_EQ(owner.credit, 100);
    EXPECT_EQ(owner.income_sales, 100);
    EXPECT_TRUE(shows_text(last_frame, 126, 188, "Status 12"));
    EXPECT_EQ(headless_pending_events(), 0u);
    EXPECT_EQ(g_gadget_list, nullptr);
}

struct ClearCase {
    const char* what;
    Keys keys;
    bool cleared;
};

class ProfitAndLoss : public OfficeTest, public testing::WithParamInterface<ClearCase> {};

TEST_P(ProfitAndLoss, ClearZeroesAllFourAccounts) {
    Shipowner& owner = g_shipowners[0];
    owner.income_shipping = 5000;
    owner.income_sales = 1200;
    owner.expenses_general = 2300;
    owner.expenses_interest = 400;
    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
    script(GetParam().keys);
    profit_and_loss_screen(0);

    const bool cleared = GetParam().cleared;
    EXPECT_EQ(owner.income_shipping, cleared ? 0 : 5000);
    EXPECT_EQ(owner.income_sales, cleared ? 0 : 1200);
    EXPECT_EQ(owner.expenses_general, cleared ? 0 : 2300);
    EXPECT_EQ(owner.expenses_interest, cleared ? 0 : 400);
    EXPECT_EQ(owner.cash, 4100);
    EXPECT_TRUE(shows_text(last_frame, 30, 31, "Profit and Loss Account"));
    EXPECT_TRUE(shows_text(last_frame, 4, 50, "Income, shipping:"));
    EXPECT_TRUE(shows_text(last_frame, 200, 50, "$ 5000000"));
    EXPECT_TRUE(shows_text(last_frame, 200, 65, "$ 1200000"));
    EXPECT_TRUE(shows_text(last_frame, 200, 80, "$ 2300000"));
    EXPECT_TRUE(shows_text(last_frame, 200, 95, "$ 400000"));
    EXPECT_TRUE(shows_text(last_frame, 4, 110, "Operating results:"));
    EXPECT_TRUE(shows_text(last_frame, 200, 110, "$ 3500000"));
    EXPECT_EQ(g_gadget_list, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Office, ProfitAndLoss,
                         testing::Values(ClearCase{"the clear button", {KEY_CLICK, 225, 192}, true},
                                         ClearCase{"Escape", {KEY_ESCAPE}, true}, ClearCase{"c", {'c'}, true},
                                         ClearCase{"n", {'n'}, true}, ClearCase{"l", {'l'}, true},
                                         ClearCase{"Enter", {KEY_ENTER}, false},
                                         ClearCase{"the ok button", {KEY_CLICK, 20, 192}, false}),
                         CaseName());

TEST_F(OfficeTest, FormatShipCount) {
    struct Case {
        int32_t count;
        const char* text;
    };
    for (const Case c : {Case{0, "0 ships"}, Case{1, "1  ship"}, Case{2, "2 ships"}, Case{30, "30 ships"}}) {
        char text[24];
        format_ship_count(text, c.count);
        EXPECT_STREQ(text, c.text);
    }
}

TEST_F(OfficeTest, FleetStatisticsOfOneModelFourShip) {
    add_ship(4, "Aurora");
    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
    script({KEY_ENTER});
    fleet_info_screen(0);

    struct Shown {
        int32_t x, y;
        const char* text;
    };
    const Shown shown[] = {
        {5, 30, "Ship info; Tonnage:"},
        {188, 30, "20000 BRT"},
        {180, 45, "1  ship"},
        {5, 60, "of whom:"},
        {5, 75, "Model '96:"},
        {80, 75, "0 ships"},
        {80, 90, "0 BRT"},
        {5, 120, "Model '91:"},
        {80, 120, "1  ship"},
        {80, 135, "20000 BRT"},
        {5, 150, "Model '86:"},
        {80, 150, "0 ships"},
        {80, 165, "0 BRT"},
        {170, 75, "very large:"},
        {248, 75, "0 ships"},
        {170, 90, "large:"},
        {248, 90, "0 ships"},
        {170, 105, "standard:"},
        {248, 105, "0 ships"},
        {170, 120, "large:"},
        {248, 120, "1  ship"},
        {170, 135, "standard:"},
        {248, 135, "0 ships"},
        {248, 150, "0 ships"},
        {248, 165, "0 ships"},
    };
    for (const Shown& s : shown)
        EXPECT_TRUE(shows_text(last_frame, s.x, s.y, s.text)) << s.text << " at " << s.x << ", " << s.y;
    // And the check tells a wrong text or a text cut short from the right one.
    EXPECT_FALSE(shows_text(last_frame, 80, 75, "1  ship"));
    EXPECT_FALSE(shows_text(last_frame, 5, 30, "Ship info; Tonnage"));
}

TEST_F(OfficeTest, PossessionsLoadTheirOwnBackgroundOnlyWhenAskedTo) {
    Shipowner& owner = g_shipowners[0];
    Ship* ship = add_ship(2, "Aurora");
    ship->mortgage = 1000;
    owner.credit = 500;
    std::vector<uint8_t> info_picture(SCREEN_BYTES);
    ASSERT_EQ(picture_load(OFFICE_INFO_PICTURE, info_picture.data()), 0);

    for (int32_t loaded : {0, 1}) {
        // A background of one colour that picture 43 does not start with.
        std::memset(g_background_buffer, 250, SCREEN_BYTES);
        last_frame.clear();
        script({KEY_ENTER});
        possessions_screen(0, loaded);
        // Rows 125..184 show the background below the boxes.
        const size_t at = 150 * SCREEN_WIDTH + 160;
        EXPECT_EQ(last_frame[at], loaded != 0 ? 250 : info_picture[at]) << "loaded " << loaded;
        EXPECT_TRUE(shows_text(last_frame, 4, 50, "Value of ships:"));
        EXPECT_TRUE(shows_text(last_frame, 200, 50, "$ 28000000"));
        EXPECT_TRUE(shows_text(last_frame, 200, 65, "$ 1000000"));
        EXPECT_TRUE(shows_text(last_frame, 200, 80, "$ 500000"));
        EXPECT_TRUE(shows_text(last_frame, 200, 95, "$ 4100000"));
        EXPECT_TRUE(shows_text(last_frame, 4, 110, "Property report:"));
        EXPECT_TRUE(shows_text(last_frame, 200, 110, "$ 30600000"));
    }
}

TEST_F(OfficeTest, BankAccountsShowCashCreditAndMortgages) {
    Shipowner& owner = g_shipowners[0];
    owner.cash = -216;
    owner.credit = 750;
    add_ship(2, "Aurora")->mortgage = 300;
    add_ship(3, "Boreas")->mortgage = 45;
    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
    script({KEY_ENTER});
    bank_accounts_screen(0);
    EXPECT_TRUE(shows_text(last_frame, 30, 40, "Accounts:"));
    EXPECT_TRUE(shows_text(last_frame, 150, 40, "Balance:"));
    EXPECT_TRUE(shows_text(last_frame, 150, 60, "$ -216000"));
    EXPECT_TRUE(shows_text(last_frame, 150, 80, "$ 750000"));
    EXPECT_TRUE(shows_text(last_frame, 150, 100, "$ 345000"));
}

TEST_F(OfficeTest, ShipsPositionsListThirtyShipsAndStartAgainAfterTheLocator) {
    for (int32_t i = 0; i < 31; ++i) {
        char name[12];
        std::snprintf(name, sizeof name, "Ship %d", static_cast<int>(i + 1));
        add_ship(4, name);
    }
    std::vector<int32_t> rows;    // buttons of each list shown
    std::vector<int32_t> chosen;  // the selection whenever the list waits
    bool in_list = false;
    watch = [&] {
        bool list = g_screen_button_last >= 0 && g_screen_button_gadgets[g_screen_button_last].id == 1 &&
                    g_screen_button_last >= 1 && g_screen_button_gadgets[g_screen_button_last - 1].id == 300;
        if (list && !in_list) rows.push_back(g_screen_button_last + 1);
        if (list) chosen.push_back(g_selected_button);
        in_list = list;
    };
    // Down to the second ship, OK opens the locator, OK leaves it; three columns right and down
    // stops at the 30th; then " none".
    script({KEY_DOWN_ARROW, KEY_ENTER, KEY_ENTER, KEY_RIGHT_ARROW, KEY_RIGHT_ARROW, KEY_RIGHT_ARROW,
            KEY_DOWN_ARROW, KEY_DOWN_ARROW, KEY_DOWN_ARROW, KEY_DOWN_ARROW, KEY_DOWN_ARROW, KEY_DOWN_ARROW,
            KEY_DOWN_ARROW, KEY_DOWN_ARROW, KEY_DOWN_ARROW, KEY_DOWN_ARROW, KEY_DOWN_ARROW, 'n'});
    ships_positions_dialog(0);

    ASSERT_EQ(rows.size(), 2u) << "the list is built again after the locator";
    EXPECT_EQ(rows[0], 32);
    EXPECT_EQ(rows[1], 32);
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(chosen.front(), 0);
    EXPECT_EQ(chosen.back(), 29);
    // After the locator the selection is back on the first ship.
    size_t back = 0;
    while (back < chosen.size() && chosen[back] != 1) ++back;
    while (back < chosen.size() && chosen[back] == 1) ++back;
    ASSERT_LT(back, chosen.size());
    EXPECT_EQ(chosen[back], 0);
    EXPECT_EQ(g_gadget_list, nullptr);
}

}  // namespace

namespace {

TEST_F(OfficeTest, EachShipownerSitsInTheOfficeOfItsStyleAndStyleThreeBlinks) {
    for (uint8_t style = 0; style < 4; ++style) {
        std::vector<uint8_t> picture(SCREEN_BYTES);
        ASSERT_EQ(picture_load(OFFICE_FIRST_PICTURE + style, picture.data()), 0);
        g_office_style[0] = style;
        bool lamp_blue = false, lamp_white = false;
        watch = [&] {
            const int32_t lamp = g_screen_buffer[OFFICE_LAMP_Y * SCREEN_WIDTH + OFFICE_LAMP_X];
            lamp_blue = lamp_blue || lamp == 9;
            lamp_white = lamp_white || lamp == 15;
        };
        // 512 empty polls of some 60 ms each and more: the lamp has had both colours.
        headless_script(headless_now() + 40000, HEADLESS_KEY, KEY_ENTER);
        shipowner_office_screen(0);
        // The office scene in rows 15..187 is the picture.
        for (const int32_t at : {20 * SCREEN_WIDTH + 5, 100 * SCREEN_WIDTH + 60, 180 * SCREEN_WIDTH + 300})
            EXPECT_EQ(last_frame[static_cast<size_t>(at)], picture[static_cast<size_t>(at)])
                << "style " << int{style};
        EXPECT_EQ(lamp_blue && lamp_white, style == 3) << "style " << int{style};
    }
}

}  // namespace
