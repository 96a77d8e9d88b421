#include "business/bank_repay.h"

#include <cstdio>

#include "business/amount_dialog.h"
#include "engine/intmath.h"
#include "ui/requester.h"
#include "world/records.h"

int32_t bank_repay_dialog(int32_t player, Shipowner* owner, int32_t debt, const RepayForm& form) {
    amount_dialog_backdrop(player);
    char maximum[40];
    std::snprintf(maximum, sizeof maximum, lang_text(TXT_BANK_MAXIMUM), static_cast<long>(debt));
    const ScreenText texts[] = {
        {80, 40, lang_text(form.title)}, {80, 60, maximum},
        {80, 80, lang_text(form.fee)},   {80, 100, lang_text(form.how_much)},
        {80, 120, lang_text(TXT_PAY_UNIT)}, {0, 0, nullptr}};
    AmountDialog dialog;
    amount_dialog_open(&dialog, texts, 122, debt);
    int32_t a = 0;
    int32_t repaid = 0;
    while (amount_dialog_wait(&dialog, &a) == 1) {
        if (a > debt) {
            const char* lines[] = {lang_text(TXT_GIVING_AWAY_1), lang_text(TXT_GIVING_AWAY_2), nullptr};
            amount_dialog_refuse(&dialog, lines);
        } else if (a >= 1) {
            // The bank lets the payment run up to 200 k$ beyond the cash, no further.
            if (a - 200 <= owner->cash) {
                const auto payment = static_cast<int32_t>(static_cast<int64_t>(a) * form.fee_percent / 100);
                repaid = a;
                owner->cash = wrap_sub(owner->cash, payment);
                owner->expenses_general = wrap_add(owner->expenses_general, payment);
            } else {
                const char* lines[] = {lang_text(TXT_NO_DEAL_1), lang_text(TXT_NO_DEAL_2), nullptr};
                amount_dialog_refuse(&dialog, lines);
            }
            break;
        } else if (a < 0) {
            const char* lines[3] = {nullptr, nullptr, nullptr};
            for (int32_t k = 0; k < form.negative_lines && k < 2; ++k) lines[k] = lang_text(form.negative[k]);
            amount_dialog_refuse(&dialog, lines);
        } else {
            break;
        }
    }
    amount_dialog_close(&dialog);
    return repaid;
}
