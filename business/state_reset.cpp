#include "business/state_reset.h"

#include "business/amount_dialog.h"

void business_state_reset() {
    g_bank_last_box = nullptr;
}
