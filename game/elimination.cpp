#include "game/elimination.h"

#include <cstdio>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "views/accounts.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/shipowner_name.h"
#include "lang/lang.h"
#include "ui/input_poll.h"

ScreenText g_elimination_texts[ELIMINATION_LINES + 1] = {};
ScreenButton g_elimination_buttons[1] = {};

namespace {

constexpr int32_t LINE_SIZE = 64;
constexpr int16_t TEXT_X = 10;
constexpr int16_t TEXT_TOP = 50;
constexpr int16_t TEXT_SPACING = 14;

char s_name_line[LINE_SIZE];
char s_winner_line[LINE_SIZE];

void fill_elimination_texts(const Shipowner* shipowner, int32_t left, const Shipowner* last_left) {
    std::snprintf(s_name_line, sizeof s_name_line, lang_text(TXT_ELIM_SHIPOWNER), shipowner_name(shipowner));
    const char* lines[ELIMINATION_LINES] = {
        lang_text(TXT_ELIM_HONOURABLE), s_name_line,
        lang_text(TXT_ELIM_BUSTED),     lang_text(TXT_ELIM_VULTURE),
        lang_text(TXT_ELIM_PLEASED),    lang_text(TXT_ELIM_REMAINS),
        lang_text(TXT_ELIM_VENTURE),
    };
    if (left >= 2) {
        lines[7] = lang_text(TXT_ELIM_MANY_1);
        lines[8] = lang_text(TXT_ELIM_MANY_2);
        lines[9] = lang_text(TXT_ELIM_MANY_3);
    } else if (left == 1) {
        std::snprintf(s_winner_line, sizeof s_winner_line, lang_text(TXT_ELIM_ONE_3),
                      shipowner_name(last_left));
        lines[7] = lang_text(TXT_ELIM_ONE_1);
        lines[8] = lang_text(TXT_ELIM_ONE_2);
        lines[9] = s_winner_line;
    } else {
        lines[7] = lang_text(TXT_ELIM_NONE_1);
        lines[8] = lang_text(TXT_ELIM_NONE_2);
        lines[9] = lang_text(TXT_ELIM_NONE_3);
    }
    for (int32_t k = 0; k < ELIMINATION_LINES; ++k)
        g_elimination_texts[k] =
            ScreenText{TEXT_X, static_cast<int16_t>(TEXT_TOP + TEXT_SPACING * k), lines[k]};
    g_elimination_texts[ELIMINATION_LINES] = ScreenText{0, 0, nullptr};
    g_elimination_buttons[0] = ScreenButton{250, 185, 58, 15, lang_text(TXT_OK_SMALL), 1};
}

}  // namespace

void shipowner_eliminated(int32_t player, Shipowner* shipowner) {
    clear_screen();
    picture_load(ELIMINATION_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);

    shipowner->out_of_game += 1;
    int32_t left = 0;
    const Shipowner* last_left = nullptr;
    for (int32_t i = 0; i < g_shipowner_count; ++i) {
        if (g_shipowners[i].out_of_game != 0) continue;
        ++left;
        last_left = &g_shipowners[i];
    }
    fill_elimination_texts(shipowner, left, last_left);

    screen_layout_draw(g_elimination_buttons, nullptr, g_elimination_texts);
    do input_poll();
    while (g_command != 1 && g_quit == 0);
    if (left == 0) g_quit = 1;
    screen_buttons_clear();
}
