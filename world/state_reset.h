// The world's globals back to their values at program start: no shipowners and no ships, the
// indices at normal, the weather at its climate and the route lengths computed.
#pragma once

void world_state_reset();
