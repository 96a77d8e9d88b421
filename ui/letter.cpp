#include "ui/letter.h"

#include <cstdio>

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/timing.h"
#include "lang/lang.h"
#include "ui/boxes_shown.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "world/shipowner_name.h"

namespace {

GadgetImage g_letter_ok_image = {0, 0, 36, 9, 0, nullptr, 1, nullptr};
GadgetText g_letter_ok_text = {0, 0, 0, 0, 1, &g_font_sys8b, nullptr, nullptr};

// Types text from (x, y), one character per tick, the pen moving on by each character's width.
void type_line(const char* text, int32_t x, int32_t y) {
    set_draw_color(0);
    for (const char* p = text; *p != '\0'; ++p) {
        char one[2] = {*p, '\0'};
        font_draw_char(&g_font_sys8b, static_cast<uint8_t>(*p), x, y);
        x += font_text_width(&g_font_sys8b, one);
        wait_tick();
    }
}

}  // namespace

LetterMapShow g_letter_map_show = nullptr;
int32_t g_letter_up = 0;

Gadget g_letter_ok_gadget = {nullptr,      81,      144, 36, 9, GADGET_HIGHLIGHT_BOX | GADGET_IMAGE_RENDERS, 0,
                             GADGET_BUTTON, &g_letter_ok_image, nullptr, &g_letter_ok_text, nullptr, 1};

void letter_show(int32_t player, Shipowner* shipowner, Ship* ship, TextLines lines, int32_t keep_screen) {
    char heading[128];
    std::snprintf(heading, sizeof heading, lang_text(TXT_LETTER_TO_SHIPOWNER), shipowner_name(shipowner));
    if (keep_screen == 0) {
        if (g_letter_map_show != nullptr) g_letter_map_show(player, shipowner, ship);
        picture_load(LETTER_SHEET_PICTURE, g_sheet_buffer);
        set_backdrop_blue(0, 0);
        blit_to_screen(g_sheet_buffer, 0, 0, LETTER_SHEET_X, LETTER_SHEET_Y, LETTER_SHEET_W, LETTER_SHEET_H,
                       BLIT_KEY_1);
    }
    g_letter_up = 1;
    type_line(heading, 81, 54);
    for (int32_t i = 0; lines != nullptr && lines[i] != nullptr; ++i) type_line(lines[i], 81, 64 + 10 * i);
    g_letter_ok_text.text = lang_text(TXT_OK_CAPTION);
    gadget_add(&g_letter_ok_gadget);
    gadgets_refresh();
    do input_poll();
    while (g_command != 1 && g_quit == 0);
    gadget_remove(&g_letter_ok_gadget);
    g_letter_up = 0;
}
