// The office's money screens: the profit and loss account, the possessions and the bank accounts.
#include <cstdio>

#include "business/office.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

constexpr int32_t AMOUNT_TEXT = 24;

void format_amount(char* text, int32_t value) {
    std::snprintf(text, AMOUNT_TEXT, lang_text(TXT_OFFICE_AMOUNT), static_cast<long>(value));
}

void show_background(int32_t player) {
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);
}

// The two boxes of the account and the possessions: the title, five labels at x 4 and five
// amounts at x 200, one line every 15 pixels from y 50.
void draw_report(const ScreenButton* buttons, const TextId labels[5], const int32_t values[5]) {
    char amounts[5][AMOUNT_TEXT];
    ScreenText texts[12];
    texts[0] = ScreenText{30, 31, lang_text(TXT_PLA_TITLE)};
    for (int32_t i = 0; i < 5; ++i) {
        format_amount(amounts[i], values[i]);
        const auto y = static_cast<int16_t>(50 + 15 * i);
        texts[1 + 2 * i] = ScreenText{4, y, lang_text(labels[i])};
        texts[2 + 2 * i] = ScreenText{200, y, amounts[i]};
    }
    texts[11] = ScreenText{0, 0, nullptr};
    static const ScreenBox boxes[] = {{2, 30, 316, 45, 2}, {2, 48, 316, 124, 2}, {0, 0, 0, 0, 0}};
    screen_layout_draw(buttons, boxes, texts);
}

void wait_for_ok() {
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}

}  // namespace

void profit_and_loss_screen(int32_t player) {
    Shipowner& owner = g_shipowners[player];
    clear_screen_grey();
    show_background(player);
    static const TextId labels[5] = {TXT_PLA_INCOME_SHIPPING, TXT_PLA_INCOME_SALES, TXT_PLA_EXPENSES_GENERAL,
                                     TXT_PLA_EXPENSES_INTEREST, TXT_PLA_RESULTS};
    // Taken in unsigned: the sum of four 32-bit accounts wraps like the game's arithmetic.
    const auto results = static_cast<int32_t>(
        static_cast<uint32_t>(owner.income_shipping) + static_cast<uint32_t>(owner.income_sales) -
        static_cast<uint32_t>(owner.expenses_general) - static_cast<uint32_t>(owner.expenses_interest));
    const int32_t values[5] = {owner.income_shipping, owner.income_sales, owner.expenses_general,
                               owner.expenses_interest, results};
    const ScreenButton buttons[] = {{200, 185, 50, 15, lang_text(TXT_PLA_CLEAR), 2},
                                    {0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    draw_report(buttons, labels, values);
    do {
        input_poll();
        // "clear", the cancel keys and 'l' start the accounts afresh and leave.
        if (g_command == 2 || g_command == 300 || g_last_key == 'l') {
            owner.income_shipping = 0;
            owner.income_sales = 0;
            owner.expenses_general = 0;
            owner.expenses_interest = 0;
            g_command = 1;
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}

void possessions_screen(int32_t player, int32_t loaded) {
    const Shipowner& owner = g_shipowners[player];
    int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
    compute_shipowner_assets(player, &values, &mortgages, &credit, &worth);
    clear_screen_grey();
    if (loaded == 0) picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
    show_background(player);
    static const TextId labels[5] = {TXT_POSSESSIONS_SHIPS, TXT_POSSESSIONS_MORTGAGES, TXT_POSSESSIONS_CREDIT,
                                     TXT_POSSESSIONS_CASH, TXT_POSSESSIONS_WORTH};
    const int32_t amounts[5] = {values, mortgages, credit, owner.cash, worth};
    const ScreenButton buttons[] = {{0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    draw_report(buttons, labels, amounts);
    wait_for_ok();
}

void bank_accounts_screen(int32_t player) {
    const Shipowner& owner = g_shipowners[player];
    int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
    compute_shipowner_assets(player, &values, &mortgages, &credit, &worth);
    clear_screen_grey();
    show_background(player);
    char cash[AMOUNT_TEXT], credits[AMOUNT_TEXT], mortgage_sum[AMOUNT_TEXT];
    format_amount(cash, owner.cash);
    format_amount(credits, credit);
    format_amount(mortgage_sum, mortgages);
    const ScreenText texts[] = {{30, 40, lang_text(TXT_BANK_ACCOUNTS_TITLE)},
                                {150, 40, lang_text(TXT_BANK_ACCOUNTS_BALANCE)},
                                {30, 60, lang_text(TXT_BANK_ACCOUNTS_CASH)},
                                {30, 80, lang_text(TXT_BANK_ACCOUNTS_CREDITS)},
                                {30, 100, lang_text(TXT_BANK_ACCOUNTS_MORTGAGES)},
                                {150, 60, cash},
                                {150, 80, credits},
                                {150, 100, mortgage_sum},
                                {0, 0, nullptr}};
    static const ScreenBox boxes[] = {{10, 35, 308, 120, 2}, {0, 0, 0, 0, 0}};
    const ScreenButton buttons[] = {{0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    screen_layout_draw(buttons, boxes, texts);
    wait_for_ok();
}
