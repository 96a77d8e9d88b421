// The bank's repayment form, shared by the credit and the mortgages: the debt shown as the maximum,
// an entry that refuses more than the debt and negative amounts, and a payment with its fee that
// may run up to 200 k$ beyond the cash. The caller checks that there is a debt first.
#pragma once

#include <cstdint>

#include "lang/lang.h"

struct Shipowner;

struct RepayForm {
    TextId title;
    TextId fee;
    TextId how_much;
    const TextId* negative;  // the lines refusing a negative amount
    int32_t negative_lines;
    int32_t fee_percent;  // the payment is the amount times this / 100
};

// Runs the form over the debt; the amount repaid (the caller lowers the debt by it), 0 for none.
// The payment with its fee is booked from the cash to the general expenses.
int32_t bank_repay_dialog(int32_t player, Shipowner* owner, int32_t debt, const RepayForm& form);
