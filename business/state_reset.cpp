#include "business/state_reset.h"

#include "business/amount_dialog.h"
#include "business/sellers_market.h"

void business_state_reset() {
    g_bank_last_box = nullptr;
    sellers_market_state_reset();
}
