// A model's data sheet on the broker's floors: picture, price, engine, speed, fuel and costs.
#include "business/broker.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/main_screen.h"
#include "world/ship_types.h"

void ship_model_data_sheet(int32_t player, int32_t model) {
    if (model < 1 || model > SHIP_TYPE_COUNT) return;
    clear_screen_grey();
    screen_start_hook();
    draw_ship_model_picture(player, model);
    char lines[DATA_SHEET_LINES][DATA_SHEET_LINE_SIZE];
    format_ship_model_data_sheet(model, lines);
    const ScreenButton buttons[] = {{0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{10, 83, 315, 177, 14}, {0, 0, 0, 0, 0}};
    ScreenText texts[DATA_SHEET_LINES + 1];
    for (int32_t k = 0; k < DATA_SHEET_LINES; ++k)
        texts[k] = {30, static_cast<int16_t>(85 + 15 * k), lines[k]};
    texts[DATA_SHEET_LINES] = {0, 0, nullptr};
    screen_layout_draw(buttons, boxes, texts);
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
