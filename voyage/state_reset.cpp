#include "voyage/state_reset.h"

// The voyages keep nothing between calls yet.
void voyage_state_reset() {}
