// The status panel of the main screen: week, year and weekday of the game day, and one net-worth
// bar per shipowner still in the game with its status as the label.
#pragma once

#include <cstdint>

// The weekday whose box was marked last (0..6).
extern int32_t g_panel_weekday;

// Bar geometry for net worths w given min and max (already corrected so that max > min): the
// height h of the bar and the zero line z, both in pixels above the baseline.
int32_t status_panel_zero_line(int32_t min, int32_t max);
int32_t status_panel_bar_height(int32_t w, int32_t min, int32_t max);
// The label of a bar for a status: "0!" below 0, the number up to 999, "$$" from 1000 on.
void status_panel_label(int32_t status, char* out, int32_t size);
void draw_status_panel();
