// The screen-area save stack: menus, message boxes and the file requester save the rectangle they
// cover to a temporary file of the working directory and put it back when they close, in reverse
// order. Five levels have files ("scr001.tmp".."scr005.tmp"); deeper pushes are counted only.
#pragma once

#include <cstdint>

constexpr int32_t SAVE_LEVELS = 5;

extern const char* const g_save_file_names[SAVE_LEVELS];
// Corners (x0, y0, x1, y1) of level L at index L - 1, normalised.
extern int32_t g_save_corners[4][SAVE_LEVELS];
// Pushes not yet popped, counting those beyond level five and those whose file could not be made.
extern int32_t g_save_depth;
// 1 while screen_save_area holds a level for screen_restore_area.
extern uint32_t g_area_saved;

// Saves the frame rectangle (corners in any order) as the next level.
void screen_area_push(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
// Restores the top level's rectangle and deletes its file; a level that saved nothing restores nothing.
void screen_area_pop();
// Deletes the files of all open levels (engine shut-down).
void screen_area_files_delete();
// The single-level pair of the message boxes: guard the cursor, push, remember; pop what was saved.
void screen_save_area(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
void screen_restore_area();
