// The broker's texts fit the buttons and boxes they stand in (sys13): the lift's "E", the narrow
// Info buttons of floors 4 and 3, the price boxes, the contract line before the name field, the
// data sheet and the sellers market's buttons and offer lines.
#include <gtest/gtest.h>

#include "engine/font.h"
#include "lang/lang.h"
#include "tests/business/broker_fixture.h"
#include "ui/fonts.h"

namespace {

struct Fit {
    TextId id;
    const char* literal;  // used when id is TEXT_COUNT
    int32_t max_px;
};

TEST_F(BrokerTest, TextsFitTheirPlaces) {
    const Fit fits[] = {
        {TXT_BROKER_EXIT_KEY, nullptr, 9},
        {TXT_BROKER_INFO, nullptr, 34},
        {TXT_BROKER_BUY, nullptr, 56},
        {TXT_BROKER_ELEVATOR, nullptr, 57},
        {TXT_BROKER_HIGH_TECH, nullptr, 189},
        {TXT_BROKER_PREOWNED, nullptr, 189},
        {TXT_BROKER_LOW_COST, nullptr, 189},
        {TXT_BROKER_SELLERS, nullptr, 189},
        {TXT_BROKER_CONSULTING, nullptr, 189},
        {TXT_BROKER_EXIT, nullptr, 189},
        {TEXT_COUNT, "Million$:99.9", 93},
        {TXT_BROKER_BUY_CHRISTEN, nullptr, 190},
        {TXT_BROKER_BUY_HOW_MUCH, nullptr, 138},
        {TXT_BROKER_BUY_MORE, nullptr, 283},
        {TEXT_COUNT, "RORO/LOLO  40000 BRT Million$: 99.9", 283},
        {TEXT_COUNT, "40000 hp  l=250m, b=32m deposit 100%", 283},
        {TXT_SELL_NO, nullptr, 47},
        {TXT_OK_SMALL, nullptr, 47},
        {TXT_SELL_WHICH_SHIP, nullptr, 208},
        {TXT_SELL_KEEP, nullptr, 97},
        {TXT_SELL_ACCEPT, nullptr, 123},
        {TXT_SELL_WE_BUY_1, nullptr, 193},
        {TXT_SELL_HIGH_2, nullptr, 193},
        {TXT_SELL_EXACT_3, nullptr, 193},
        {TXT_SELL_LOW_2, nullptr, 193},
        {TEXT_COUNT, "Offer: Million $99.9", 193},
    };
    for (const Fit& f : fits) {
        const char* text = f.id == TEXT_COUNT ? f.literal : lang_text(f.id);
        EXPECT_LE(font_text_width(&g_font_sys13, text), f.max_px) << '"' << text << '"';
    }
}

}  // namespace
