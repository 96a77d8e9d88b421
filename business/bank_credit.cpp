// Credit against the net worth and the status: obtaining and repaying it.
#include <cstdio>

#include "business/amount_dialog.h"
#include "business/bank.h"
#include "business/bank_repay.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/requester.h"
#include "views/accounts.h"
#include "world/records.h"

int32_t credit_share(int32_t status) {
    if (status < 3) return 0;
    if (status == 3) return 10;
    if (status <= 5) return 20;
    if (status <= 7) return 30;
    if (status <= 9) return 50;
    return 70;
}

void obtain_credit_dialog(int32_t player, Shipowner* owner) {
    int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
    compute_shipowner_assets(player, &values, &mortgages, &credit, &worth);
    amount_dialog_backdrop(player);
    if (owner->status < 3) {
        const char* lines[] = {lang_text(TXT_CREDIT_DENIED_1), lang_text(TXT_CREDIT_DENIED_2),
                               lang_text(TXT_CREDIT_DENIED_3), lang_text(TXT_CREDIT_DENIED_4), nullptr};
        bank_message_box(lines);
        return;
    }
    if (worth <= 0) {
        const char* lines[] = {lang_text(TXT_LOOK_UP_PLA_1), lang_text(TXT_LOOK_UP_PLA_2),
                               lang_text(TXT_LOOK_UP_PLA_3), nullptr};
        bank_message_box(lines);
        return;
    }
    const int32_t share = credit_share(owner->status);
    // The product is taken in 64 bits: a net worth beyond 30 million k$ would overflow 32.
    const auto lendable = static_cast<int32_t>(static_cast<int64_t>(worth) * share / 100);
    const int32_t max = lendable - owner->credit;
    if (max <= 0) {
        const char* lines[] = {lang_text(TXT_BANK_SORRY), lang_text(TXT_NO_CREDIT_TALK_2),
                               lang_text(TXT_NO_CREDIT_TALK_3), lang_text(TXT_NO_CREDIT_TALK_4), nullptr};
        bank_message_box(lines);
        return;
    }
    char maximum[40];
    std::snprintf(maximum, sizeof maximum, lang_text(TXT_BANK_MAXIMUM), static_cast<long>(max));
    char share_text[40];
    std::snprintf(share_text, sizeof share_text, lang_text(TXT_OBTAIN_SHARE), static_cast<long>(share));
    const ScreenText texts[] = {{80, 40, lang_text(TXT_OBTAIN_TITLE)},
                                {80, 60, maximum},
                                {80, 80, share_text},
                                {80, 100, lang_text(TXT_OBTAIN_INTEREST)},
                                {80, 120, lang_text(TXT_OBTAIN_HOW_MUCH)},
                                {80, 140, lang_text(TXT_PAY_UNIT)},
                                {0, 0, nullptr}};
    AmountDialog dialog;
    amount_dialog_open(&dialog, texts, 142, 0);
    int32_t a = 0;
    while (amount_dialog_wait(&dialog, &a) == 1) {
        if (a < 0) {
            const char* lines[] = {lang_text(TXT_NEGATIVE_CREDIT), nullptr};
            amount_dialog_refuse(&dialog, lines);
            continue;
        }
        if (a > max) {
            const char* lines[] = {lang_text(TXT_TOO_MUCH_1), lang_text(TXT_BANK_SORRY),
                                   lang_text(TXT_TOO_MUCH_3), nullptr};
            amount_dialog_refuse(&dialog, lines);
        } else if (a > 0) {
            owner->credit = wrap_add(owner->credit, a);
            owner->cash = wrap_add(owner->cash, a);
            owner->income_sales = wrap_add(owner->income_sales, a);
            owner->credit_rate = 3;
            owner->credit_period = 91;
            // A small borrowing (below 34) puts the whole credit at 12 % a year.
            if (a * 3 / 100 < 1) {
                owner->credit_period = 365;
                owner->credit_rate = 12;
            }
        }
        break;
    }
    amount_dialog_close(&dialog);
}

void repay_credit_dialog(int32_t player, Shipowner* owner) {
    const int32_t c = owner->credit;
    if (c <= 0) {
        const char* lines[] = {lang_text(TXT_NO_CREDIT_1), lang_text(TXT_NO_CREDIT_2), nullptr};
        bank_message_box(lines);
        return;
    }
    static const TextId negative[] = {TXT_NEGATIVE_CREDIT};
    const RepayForm form{TXT_REPAY_TITLE, TXT_REPAY_FEE, TXT_REPAY_HOW_MUCH, negative, 1, 112};
    owner->credit = wrap_sub(owner->credit, bank_repay_dialog(player, owner, c, form));
}
