// The property statistics: one shipowner's net worth over the last 201 days as a line graph over
// x 50..250, y 50 (the rounded highest) to 150 (the rounded lowest).
#include <cstdio>

#include "business/ranking.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

int32_t history_entry(const Shipowner* owner, int32_t day) {
    const int32_t start = (owner->history_index - (STATISTICS_DAYS - 1)) & (NET_WORTH_HISTORY - 1);
    return owner->net_worth_history[(start + day) & (NET_WORTH_HISTORY - 1)];
}

int32_t graph_y(int32_t value, int32_t max, int32_t min) {
    return static_cast<int32_t>(150 - (static_cast<int64_t>(value) - min) * 100 /
                                          (static_cast<int64_t>(max) - min));
}

}  // namespace

void statistics_bounds(const Shipowner* owner, int32_t* max, int32_t* min) {
    int32_t high = history_entry(owner, 0);
    int32_t low = high;
    for (int32_t d = 1; d < STATISTICS_DAYS; ++d) {
        const int32_t v = history_entry(owner, d);
        if (v > high) high = v;
        if (v < low) low = v;
    }
    // In 64 bits, so that a net worth near the 32-bit limits still rounds; every division truncates
    // toward zero.
    *max = static_cast<int32_t>((static_cast<int64_t>(high) + 1000) / 1000 * 1000);
    *min =
        static_cast<int32_t>(low >= 0 ? low / 1000 * 1000 : (static_cast<int64_t>(low) - 1000) / 1000 * 1000);
}

void property_statistics_screen(int32_t player) {
    const Shipowner* owner = &g_shipowners[player];
    clear_screen();
    picture_load(STATISTICS_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);

    int32_t max = 0, min = 0;
    statistics_bounds(owner, &max, &min);
    set_draw_color(15);
    draw_move_to(50, graph_y(history_entry(owner, 0), max, min));
    for (int32_t j = 0; j < STATISTICS_DAYS; ++j)
        draw_line_to(50 + j, graph_y(history_entry(owner, j), max, min));

    char range[64];
    std::snprintf(range, sizeof range, lang_text(TXT_STATISTICS_RANGE), lang_text(TXT_STATUS_MILLION),
                  static_cast<long>(max / 1000), lang_text(TXT_STATUS_MILLION),
                  static_cast<long>(min / 1000));
    const ScreenButton buttons[] = {{0, 185, 46, 15, lang_text(TXT_OK_SMALL), 1}};
    const ScreenText texts[] = {{94, 33, lang_text(TXT_STATISTICS_TITLE)}, {50, 185, range}, {0, 0, nullptr}};
    screen_layout_draw(buttons, nullptr, texts);
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
    set_backdrop_blue(0, 0);
}
