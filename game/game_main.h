// The game itself: start-up, the main procedure and shut-down. The window host runs it on the
// game thread and ends the program with its status when it returns.
#pragma once

#include <cstdint>

// 0 after a game that ended normally; 1 when the game could not start (a font, the picture files
// or the sound library missing), each reason then reported to the window as well.
int32_t game_main();
