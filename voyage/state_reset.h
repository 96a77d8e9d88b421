// The voyages' globals back to their values at program start.
#pragma once

void voyage_state_reset();
