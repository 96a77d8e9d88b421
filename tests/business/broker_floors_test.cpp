// The lift panel and the sales floors, driven by a scripted visitor: which key goes to which floor,
// the floors' buttons and prices, the data sheet, the notice, and purchases through the contract
// dialog with every refusal, each of which books nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "business/broker.h"
#include "business/ship_purchase.h"
#include "engine/frame.h"
#include "lang/lang.h"
#include "tests/business/broker_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "world/records.h"

namespace {

#define T(id) lang_text(id)

bool floor_5_up() {
    return BrokerTest::button_up(" Buy", 259, 58) && BrokerTest::button_up("Elevator", 196, 185);
}
// Floors 4 and 3 share their layout; the frames of their first models tell them apart.
bool lower_floor_up() {
    return BrokerTest::button_up(" Info", 210, 75) && BrokerTest::button_up("Elevator", 0, 185);
}
bool floor_4_up() {
    return lower_floor_up() && BrokerTest::pixel(60 + 195, 35 + 36) == 15;
}
bool floor_3_up() {
    return lower_floor_up() && BrokerTest::pixel(60 + 190, 35 + 33) == 15 && !floor_4_up();
}
bool sheet_up() {
    return BrokerTest::button_up("  ok", 0, 185) && g_active_entry_field == nullptr;
}
bool name_field_up() {
    return BrokerTest::field_active(2) && !BrokerTest::message_box_up();
}
bool extra_field_up() {
    return BrokerTest::field_active(3) && !BrokerTest::message_box_up();
}
bool contract_up() {
    return BrokerTest::button_up("  ok", 0, 185) && !BrokerTest::message_box_up();
}

// The model of the picture framed at the general place: model 1 at (32, 28), the others at (40, 32).
int32_t framed_model() {
    for (int32_t m = 1; m <= 7; ++m) {
        int32_t x = m == 1 ? 32 : 40;
        int32_t y = m == 1 ? 28 : 32;
        const ShipModelCutout& c = g_ship_model_cutouts[m];
        if (BrokerTest::pixel(x - 1, y - 1) == 37 && BrokerTest::pixel(x + c.w, y + c.h) == 15 &&
            BrokerTest::pixel(x + c.w + 1, y + c.h) == 7 && BrokerTest::pixel(x - 1, y + c.h + 1) == 7)
            return m;
    }
    return 0;
}

TEST_F(BrokerTest, ThePanelHasItsFloorsAndEnterLeavesTheBuilding) {
    bool seen = false;
    watch([&] {
        if (seen || !lift_panel_up()) return;
        seen = true;
        const struct {
            const char* label;
            int32_t y;
            int32_t h;
        } rows[] = {{"5", 40, 13},  {"4", 65, 13},  {"3", 90, 13},
                    {"2", 115, 13}, {"1", 140, 13}, {"E", 165, 14}};
        for (const auto& r : rows) {
            EXPECT_TRUE(button_up(r.label, 50, r.y)) << r.label;
            EXPECT_EQ(pixel(50, r.y + r.h - 1), 18) << "the bottom of a " << r.h << "-pixel face";
        }
        EXPECT_EQ(g_screen_button_gadgets[g_screen_button_last].id, 1) << "E ends the table";
        EXPECT_EQ(pixel(30, 35), 15) << "the raised panel box";
        EXPECT_EQ(pixel(280, 184), 0);
        EXPECT_EQ(pixel(80, 40), 15) << "a label box";
        EXPECT_EQ(pixel(275, 55), 0);
    });
    plan({keys(lift_panel_up, "\r")});
    enter_shipbroker_building(0);
    EXPECT_TRUE(seen);
    EXPECT_EQ(steps_done(), 1);
    EXPECT_EQ(g_screen_button_last, -1) << "the buttons are cleared on leaving";
    EXPECT_EQ(g_gadget_list, nullptr);
}

struct FloorKeyCase {
    const char* what;
    const char* key;
    bool (*floor)();
    const char* leave;
};

class FloorKeys : public BrokerTest, public testing::WithParamInterface<FloorKeyCase> {};

TEST_P(FloorKeys, EachDigitTakesTheLiftToItsFloor) {
    const FloorKeyCase& c = GetParam();
    plan({keys(lift_panel_up, c.key), keys(c.floor, c.leave), keys(lift_panel_up, "\r")});
    shipbroker_floor_menu(0);
    EXPECT_EQ(steps_done(), 3) << "the floor came up and the Elevator led back to the panel";
}

bool sellers_up() {
    return BrokerTest::button_up("  no", 50, 185);
}

INSTANTIATE_TEST_SUITE_P(Cases, FloorKeys,
                         testing::Values(FloorKeyCase{"key 5 to the 5th floor", "5", floor_5_up, "\r"},
                                         FloorKeyCase{"key 4 to the 4th floor", "4", floor_4_up, "\r"},
                                         FloorKeyCase{"key 3 to the 3rd floor", "3", floor_3_up, "\r"},
                                         FloorKeyCase{"key 2 to the sellers market", "2", sellers_up, "n"}),
                         CaseName());

TEST_F(BrokerTest, TheSellersMarketIsLeftWithNoAndTheClickOnTwoAlsoLeadsThere) {
    plan({click(lift_panel_up, 55, 120), keys(sellers_up, "n"), keys(lift_panel_up, "\r")});
    shipbroker_floor_menu(0);
    EXPECT_EQ(steps_done(), 3);
}

TEST_F(BrokerTest, TheThreeFloorsShowTheirModelsAtTheIndexPrices) {
    g_ship_price_index = 1234;
    struct Seen {
        bool done = false;
        std::string prices[3];
    };
    Seen seen[3];
    auto price_at = [](int32_t model) {
        char text[32];
        format_broker_price(model, text, sizeof text);
        return std::string(text);
    };
    EXPECT_EQ(price_at(1), "Million$:74.0");  // 60000 x 1234 / 1000 = 74040
    EXPECT_EQ(price_at(3), "Million$:14.8");  // 14808
    EXPECT_EQ(price_at(7), "Million$:1.2");   // 1234
    watch([&] {
        if (!seen[0].done && floor_5_up()) {
            seen[0].done = true;
            EXPECT_TRUE(button_up(" Info", 259, 73));
            EXPECT_TRUE(button_up(" Buy", 259, 119));
            EXPECT_TRUE(button_up(" Info", 259, 134));
            EXPECT_TRUE(button_up(" Buy", 259, 170));
            EXPECT_TRUE(button_up(" Info", 259, 185));
            // Each model framed at its floor place.
            EXPECT_EQ(pixel(3, 29), 37);
            EXPECT_EQ(pixel(4 + 234, 30 + 52), 15);
            EXPECT_EQ(pixel(3, 94), 37);
            EXPECT_EQ(pixel(4 + 193, 95 + 37), 15);
            EXPECT_EQ(pixel(3, 139), 37);
            EXPECT_EQ(pixel(4 + 164, 140 + 37), 15);
            EXPECT_EQ(pixel(222, 40), 15) << "the price box over model 1's corner";
            EXPECT_EQ(pixel(319, 54), 0);
        }
        if (!seen[1].done && floor_4_up() && g_ship_price_index == 1234) {
            seen[1].done = true;
            EXPECT_TRUE(button_up(" Buy", 140, 75));
            EXPECT_TRUE(button_up(" Buy", 140, 150));
            EXPECT_TRUE(button_up(" Info", 210, 150));
            EXPECT_EQ(pixel(59, 34), 37);
            EXPECT_EQ(pixel(60 + 195, 35 + 36), 15);
            EXPECT_EQ(pixel(74, 109), 37);
            EXPECT_EQ(pixel(75 + 163, 110 + 36), 15);
            EXPECT_EQ(pixel(30, 74), 15);
            EXPECT_EQ(pixel(129, 161), 0);
        }
    });
    plan({keys(lift_panel_up, "5"), keys(floor_5_up, "\r"), keys(lift_panel_up, "4"), keys(floor_4_up, "\r"),
          keys(lift_panel_up, "\r")});
    shipbroker_floor_menu(0);
    EXPECT_TRUE(seen[0].done);
    EXPECT_TRUE(seen[1].done);
}

TEST_F(BrokerTest, TheDataSheetListsTheModelAndInfoKeepsTheShipownerOnTheFloor) {
    char lines[DATA_SHEET_LINES][DATA_SHEET_LINE_SIZE];
    format_ship_model_data_sheet(1, lines);
    EXPECT_STREQ(lines[0], "RORO/LOLO  40000 BRT Million$: 60.0");
    EXPECT_STREQ(lines[1], "40000 hp  l=250m, b=32m deposit 40%");
    EXPECT_STREQ(lines[2], "vmax = 23kn");
    EXPECT_STREQ(lines[3], "fuel usage at vmax = 134t/day");  // 40000 x 140 / 1000 = 5600 kg/h
    EXPECT_STREQ(lines[4], "bunker max = 6000t");
    EXPECT_STREQ(lines[5], "costs per day: $12000.- ");
    format_ship_model_data_sheet(7, lines);
    EXPECT_STREQ(lines[1], "9000 hp  l=150m, b=21m deposit 100%");
    EXPECT_STREQ(lines[3], "fuel usage at vmax = 43t/day");  // 1800 kg/h x 24 = 43.2 t
    format_ship_model_data_sheet(5, lines);
    EXPECT_STREQ(lines[1], "10000 hp  l=150m, b=21m deposit 50%");

    int32_t model_seen = -1;
    watch([&] {
        if (model_seen < 0 && sheet_up() && !floor_4_up()) {
            model_seen = framed_model();
            EXPECT_EQ(pixel(10, 83), 15) << "the sheet's box";
            EXPECT_EQ(pixel(315, 177), 0);
        }
    });
    // '4' on the 4th floor is the second model's Info.
    plan({keys(lift_panel_up, "4"), keys(floor_4_up, "4"), keys(sheet_up, "\r"), keys(floor_4_up, "\r"),
          keys(lift_panel_up, "\r")});
    shipbroker_floor_menu(0);
    EXPECT_EQ(steps_done(), 5);
    EXPECT_EQ(model_seen, 5);
    EXPECT_EQ(g_shipowners[0].ships, nullptr);
}

TEST_F(BrokerTest, TheNoticeIsReadAndClosingItWithEnterKeepsTheShipownerInside) {
    plan({keys(lift_panel_up, "1"), keys(message_box_up, "\r"), keys(lift_panel_up, "\r")});
    shipbroker_floor_menu(0);
    EXPECT_EQ(steps_done(), 3);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0], box_for({T(TXT_BROKER_NOTICE_1), T(TXT_BROKER_NOTICE_2), T(TXT_BROKER_NOTICE_3),
                                   T(TXT_BROKER_NOTICE_4), T(TXT_BROKER_NOTICE_5), T(TXT_BROKER_NOTICE_6),
                                   T(TXT_BROKER_NOTICE_7), T(TXT_BROKER_NOTICE_8), T(TXT_BROKER_NOTICE_9),
                                   T(TXT_BROKER_NOTICE_10)}));
    EXPECT_STREQ(T(TXT_BROKER_NOTICE_10), "      Shipbrokers Consultants, Inc.");
}

TEST_F(BrokerTest, KeyThreeOnTheFifthFloorBuysModelTwo) {
    Shipowner& owner = g_shipowners[0];
    owner.cash = 30000;
    int32_t model_seen = 0;
    watch([&] {
        if (model_seen == 0 && name_field_up()) model_seen = framed_model();
    });
    plan({keys(lift_panel_up, "5"), keys(floor_5_up, "3"), keys(name_field_up, "Nordlicht\r"),
          keys(extra_field_up, "\r"), keys(contract_up, "\r"), keys(message_box_up, "\r"),
          keys(floor_5_up, "\r"), keys(lift_panel_up, "\r")});
    shipbroker_floor_menu(0);
    EXPECT_EQ(steps_done(), 8) << "after the purchase the shipowner is still on the floor";
    EXPECT_EQ(model_seen, 2);
    ASSERT_NE(owner.ships, nullptr);
    EXPECT_EQ(owner.ships->ship_type, 2);
    EXPECT_STREQ(owner.ships->name, "Nordlicht");
    EXPECT_EQ(owner.cash, 16000);
    EXPECT_EQ(owner.expenses_general, 14000);
    EXPECT_EQ(owner.status, 3);
    EXPECT_EQ(owner.ships->mortgage, 21000);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0],
              box_for({T(TXT_BROKER_BOUGHT_2_1), T(TXT_BROKER_BOUGHT_2_2), T(TXT_BROKER_BOUGHT_2_3)}));
}

// The contract, opened for a model straight from its floor's Buy.
struct ContractCase {
    const char* what;
    int32_t model;
    int32_t cash;
    const char* name;   // typed into the name field, then Enter
    const char* extra;  // typed over the "0" of the percentage field, then Enter
    // What the OK gives: the box seen and the field the cursor is back in.
    int32_t lines;
    TextId box[5];
    uint16_t field_after;
};

class Contract : public BrokerTest, public testing::WithParamInterface<ContractCase> {};

// Refusals leave the dialog open with nothing booked; a quit request then ends it, and still
// nothing is booked.
TEST_P(Contract, RefusesAWrongEntryAndBooksNothing) {
    const ContractCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    owner.cash = c.cash;
    owner.status = -1;
    std::string name = std::string(c.name) + "\r";
    std::string extra = std::string(c.extra) + "\r";
    auto refused_in = [&c] {
        return BrokerTest::field_active(c.field_after) && !BrokerTest::message_box_up();
    };
    plan({keys(name_field_up, name), keys(extra_field_up, extra), keys(contract_up, "\r"),
          keys(message_box_up, "\r"), quit(refused_in)});
    buy_ship_dialog(0, c.model);
    EXPECT_EQ(steps_done(), 5);
    ASSERT_EQ(boxes().size(), 1u);
    const char* l[6] = {};
    for (int32_t i = 0; i < c.lines; ++i) l[i] = T(c.box[i]);
    EXPECT_EQ(boxes()[0], box_for({l[0], l[1], l[2], l[3], l[4]})) << "the refusal's box";
    EXPECT_EQ(owner.cash, c.cash);
    EXPECT_EQ(owner.expenses_general, 0);
    EXPECT_EQ(owner.status, -1);
    EXPECT_EQ(owner.ships, nullptr);
    EXPECT_EQ(g_gadget_list, nullptr) << "fields and button are gone";
    g_quit = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Contract,
    testing::Values(
        ContractCase{"an empty name", 6, 4100, "", "", 2, {TXT_BROKER_NO_NAME_1, TXT_BROKER_NO_NAME_2}, 2},
        ContractCase{
            "minus one percent", 6, 4100, "Jade", "-1", 2, {TXT_BROKER_NEGATIVE_1, TXT_BROKER_NEGATIVE_2}, 3},
        ContractCase{"61 on model 1 is more than all",
                     1,
                     90000,
                     "Jade",
                     "61",
                     5,
                     {TXT_BROKER_TOO_MUCH_1, TXT_BROKER_TOO_MUCH_2, TXT_BROKER_TOO_MUCH_3,
                      TXT_BROKER_TOO_MUCH_4, TXT_BROKER_TOO_MUCH_5},
                     3},
        ContractCase{"1 on model 6 is more than all",
                     6,
                     4100,
                     "Jade",
                     "1",
                     5,
                     {TXT_BROKER_TOO_MUCH_1, TXT_BROKER_TOO_MUCH_2, TXT_BROKER_TOO_MUCH_3,
                      TXT_BROKER_TOO_MUCH_4, TXT_BROKER_TOO_MUCH_5},
                     3}),
    CaseName());

TEST_F(BrokerTest, SixtyExtraOnModelOneIsAcceptedAndPaysItAll) {
    Shipowner& owner = g_shipowners[0];
    owner.cash = 60000;
    plan({keys(name_field_up, "Abcdefghijk\r"), keys(extra_field_up, "60\r"), keys(contract_up, "\r"),
          keys(message_box_up, "\r")});
    buy_ship_dialog(0, 1);
    EXPECT_EQ(steps_done(), 4);
    ASSERT_NE(owner.ships, nullptr);
    EXPECT_STREQ(owner.ships->name, "Abcdefghij") << "ten characters are the most the field takes";
    EXPECT_EQ(owner.ships->mortgage, 0);
    EXPECT_EQ(owner.cash, 0);
    EXPECT_EQ(owner.status, 4);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0],
              box_for({T(TXT_BROKER_BOUGHT_1_1), T(TXT_BROKER_BOUGHT_1_2), T(TXT_BROKER_BOUGHT_1_3)}));
}

TEST_F(BrokerTest, AContractBeyondTheCashCostsTheRevocationFee) {
    Shipowner& owner = g_shipowners[0];
    owner.cash = 1799;  // model 6 costs 2000, all down
    plan({keys(name_field_up, "Tub\r"), keys(extra_field_up, "\r"), keys(contract_up, "\r"),
          keys(message_box_up, "\r")});
    buy_ship_dialog(0, 6);
    EXPECT_EQ(steps_done(), 4);
    EXPECT_EQ(owner.cash, 1599);
    EXPECT_EQ(owner.expenses_general, 0) << "the fee comes off the cash alone";
    EXPECT_EQ(owner.ships, nullptr);
    EXPECT_EQ(owner.status, -1);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0], box_for({"Dear shipowner Hendrik,", T(TXT_BROKER_POOR_2), T(TXT_BROKER_POOR_3),
                                   T(TXT_BROKER_POOR_4), T(TXT_BROKER_POOR_5), T(TXT_BROKER_POOR_6),
                                   T(TXT_BROKER_POOR_7), " ", T(TXT_BROKER_POOR_9), T(TXT_BROKER_POOR_10)}));
}

TEST_F(BrokerTest, TheContractShowsItsFieldsWithThePercentSignRightOfTheirs) {
    std::string seen;
    int32_t sign_pixels = -1;
    int32_t gap_pixels = -1;
    watch([&] {
        if (!seen.empty() || !name_field_up()) return;
        for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next) {
            if (g->id == 3) {
                const auto* info = static_cast<const EntryFieldInfo*>(g->special);
                seen = info->buffer;
                EXPECT_EQ(g->left, 170);
                EXPECT_EQ(g->top, 162);
            } else if (g->id == 2) {
                EXPECT_EQ(g->left, 222);
                EXPECT_EQ(g->top, 102);
            }
        }
        sign_pixels = 0;
        gap_pixels = 0;
        for (int32_t y = 162; y <= 172; ++y) {
            for (int32_t x = 232; x <= 314; ++x) sign_pixels += pixel(x, y) == 0;
            for (int32_t x = 140; x <= 168; ++x) gap_pixels += pixel(x, y) == 0;
        }
    });
    plan({quit(name_field_up)});
    buy_ship_dialog(0, 4);
    EXPECT_EQ(seen, "0");
    EXPECT_GT(sign_pixels, 0) << "the percent sign right of the field";
    EXPECT_EQ(gap_pixels, 0) << "only blanks before the field";
    EXPECT_EQ(g_shipowners[0].ships, nullptr) << "a quit request signs nothing";
    g_quit = 0;
}

}  // namespace
