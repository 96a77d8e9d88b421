// Every subsystem's globals back to their values at program start, as the start-up leaves them
// before the title: what a test calls to get a fresh game. The engine is brought back by its own
// start (graphics_init) and the test harness.
#pragma once

// The game core's own globals.
void game_state_reset();
// World, toolkit, views, business, voyages and game core, in that order.
void all_state_reset();
