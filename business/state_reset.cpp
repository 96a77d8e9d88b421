#include "business/state_reset.h"

#include "business/sellers_market.h"

void business_state_reset() {
    sellers_market_state_reset();
}
