// The business screens' globals back to their values at program start.
#pragma once

void business_state_reset();
