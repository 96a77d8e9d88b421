#include "game/shipowner_chooser.h"

#include "game/main_procedure.h"
#include "world/records.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"

ScreenBox g_shipowner_box = {80, 20, 290, 0, 99};

int32_t choose_shipowner_dialog(int32_t* chosen) {
    ScreenButton buttons[5] = {};
    ScreenText texts[5] = {};
    ScreenBox boxes[2] = {};
    int32_t rows = 0;
    int32_t y = 30;
    for (int32_t i = 0; i < 4 && i < g_shipowner_count; ++i) {
        if (g_shipowners[i].out_of_game != 0) continue;
        texts[rows] = {110, static_cast<int16_t>(y), g_shipowners[i].company};
        buttons[rows] = {90, static_cast<int16_t>(y), 15, 15, " ", static_cast<uint16_t>(10 + i)};
        ++rows;
        y += 20;
    }
    buttons[rows] = {90, static_cast<int16_t>(y), 60, 15, lang_text(TXT_CHOOSER_CANCEL), 1};
    g_shipowner_box.y1 = static_cast<int16_t>(y + 20);
    g_shipowner_box.style = 99;
    boxes[0] = g_shipowner_box;
    screen_layout_draw(buttons, boxes, texts);

    do input_poll();
    while (g_command == 0 && g_quit == 0);

    int32_t result = 1;
    *chosen = 0;
    if (g_quit == 0 && g_command != 1) {
        int32_t command = g_command;
        if (command >= 100) command -= 90;  // the digit keys: '1' picks the first shipowner
        int32_t k = command - 10;
        if (k < 0) k = 0;
        if (k < g_shipowner_count) {
            *chosen = k;
            result = 0;
        }
    }
    screen_buttons_clear();
    return result;
}
