// The game itself: start-up, the main procedure and shut-down. The window host runs it on the
// game thread.
#pragma once

void game_main();
