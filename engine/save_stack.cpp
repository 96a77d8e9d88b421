#include "engine/save_stack.h"

#include <algorithm>

#include "engine/frame.h"
#include "engine/input.h"
#include "host/platform.h"

const char* const g_save_file_names[SAVE_LEVELS] = {"scr001.tmp", "scr002.tmp", "scr003.tmp", "scr004.tmp",
                                                    "scr005.tmp"};
int32_t g_save_corners[4][SAVE_LEVELS] = {};
int32_t g_save_depth = 0;
uint32_t g_area_saved = 0;

// Whether level L (index L - 1) has its area in its file. A level whose file could not be created
// saved nothing: its pop must not restore anything, least of all another level's area.
static bool g_level_saved[SAVE_LEVELS] = {};

void screen_area_push(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    mouse_hide_cursor();
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    if (g_save_depth >= SAVE_LEVELS) {
        ++g_save_depth;
        return;
    }
    // Only frame pixels are saved; the callers' areas lie inside the frame anyway.
    x0 = std::clamp(x0, 0, SCREEN_WIDTH - 1);
    x1 = std::clamp(x1, 0, SCREEN_WIDTH - 1);
    y0 = std::clamp(y0, 0, SCREEN_HEIGHT - 1);
    y1 = std::clamp(y1, 0, SCREEN_HEIGHT - 1);
    int32_t level = g_save_depth;
    // Not truncated: a longer file left by an earlier, larger area keeps its tail, which is never read.
    int32_t f = dos_open(g_save_file_names[level], DOS_O_WRONLY | DOS_O_CREAT | DOS_O_BINARY);
    g_level_saved[level] = f >= 0;
    if (f >= 0) {
        g_save_corners[0][level] = x0;
        g_save_corners[1][level] = y0;
        g_save_corners[2][level] = x1;
        g_save_corners[3][level] = y1;
        auto width = static_cast<uint32_t>(x1 - x0 + 1);
        for (int32_t y = y0; y <= y1; ++y) dos_write(f, g_screen_buffer + y * SCREEN_WIDTH + x0, width);
        dos_close(f);
    }
    ++g_save_depth;
    screen_mark_changed();
}

void screen_area_pop() {
    mouse_hide_cursor();
    if (g_save_depth > SAVE_LEVELS) {
        --g_save_depth;
        return;
    }
    if (g_save_depth <= 0) return;
    int32_t level = --g_save_depth;
    if (g_level_saved[level]) {
        g_level_saved[level] = false;
        int32_t f = dos_open(g_save_file_names[level], DOS_O_RDONLY | DOS_O_BINARY);
        if (f >= 0) {
            int32_t x0 = g_save_corners[0][level];
            int32_t y0 = g_save_corners[1][level];
            int32_t x1 = g_save_corners[2][level];
            int32_t y1 = g_save_corners[3][level];
            auto width = static_cast<uint32_t>(x1 - x0 + 1);
            for (int32_t y = y0; y <= y1; ++y) dos_read(f, g_screen_buffer + y * SCREEN_WIDTH + x0, width);
            dos_close(f);
            dos_unlink(g_save_file_names[level]);
        }
    }
    screen_mark_changed();
}

void screen_area_files_delete() {
    while (g_save_depth >= 1) {
        int32_t level = --g_save_depth;
        if (level < SAVE_LEVELS && g_level_saved[level]) {
            g_level_saved[level] = false;
            dos_unlink(g_save_file_names[level]);
        }
    }
}

void screen_save_area(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    mouse_guard_area(x0, y0, x1, y1);
    screen_area_push(x0, y0, x1, y1);
    g_area_saved = 1;
}

void screen_restore_area() {
    if (g_cursor_visible != 0) mouse_hide_cursor();
    if (g_area_saved == 1) {
        screen_area_pop();
        g_area_saved = 0;
    }
}
