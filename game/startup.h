// Settings the start-up makes for the rest of the game.
#pragma once

#include <cstdint>

// The sound mode the start-up asks for: wave output.
extern int32_t g_startup_sound_mode;

// Opens the picture file name (and then fallback, when given) until one opens, showing the disk
// prompt (two lines) each time it fails. The first failure is also reported on stderr, since the
// prompt only asks for a disk.
void wait_for_picture_file(const char* name, const char* fallback, const char* line1, const char* line2);
