#include "business/state_reset.h"

// The business screens keep nothing between calls yet.
void business_state_reset() {}
