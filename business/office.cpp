#include "business/office.h"

#include <cstdio>

#include "business/bank.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

// The office picture, the status line and the desk's buttons with the status box.
void build_office(int32_t player, char* status_text, int32_t size) {
    const Shipowner& owner = g_shipowners[player];
    clear_screen();
    draw_office_background(player);
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);
    std::snprintf(status_text, static_cast<size_t>(size), lang_text(TXT_OFFICE_STATUS),
                  static_cast<int>(owner.status < 0 ? 0 : owner.status));
    const ScreenButton buttons[] = {{45, 188, 30, 12, lang_text(TXT_OFFICE_INFO), 2},
                                    {77, 188, 44, 12, lang_text(TXT_OFFICE_ACTION), 3},
                                    {0, 188, 44, 12, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{124, 188, 319, 199, 16}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{126, 188, status_text}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
}

}  // namespace

void draw_office_background(int32_t player) {
    picture_load(OFFICE_FIRST_PICTURE + g_office_style[player], g_background_buffer);
    clear_screen();
}

void shipowner_office_screen(int32_t player) {
    Shipowner& owner = g_shipowners[player];
    if (owner.out_of_game != 0) return;
    char status_text[40];
    build_office(player, status_text, sizeof status_text);
    owner.office_neglect_days = 0;

    if (owner.status == -1 && g_day > 0) {
        const char* lines[] = {lang_text(TXT_GREETING_1), lang_text(TXT_GREETING_2),
                               lang_text(TXT_GREETING_3), lang_text(TXT_GREETING_4), nullptr};
        message_box(lines, 0);
    }

    const bool lamp = g_office_style[player] == 3;
    int32_t polls = 0;
    do {
        input_poll();
        if (lamp) {
            set_draw_color((polls & 512) != 0 ? 15 : 9);
            draw_pixel(OFFICE_LAMP_X, OFFICE_LAMP_Y);
            polls = (polls + 1) & 1023;
        }
        // The letters are read from the key itself, so they win over what the poll made of them.
        if (g_last_key == 'i') g_command = 2;
        if (g_last_key == 'a') g_command = 3;
        if (g_command == 2 || g_command == 3) {
            int32_t command = g_command;
            screen_buttons_clear();
            if (command == 2) {
                info_menu_dialog(player);
            } else {
                bank_action_menu(player);
            }
            build_office(player, status_text, sizeof status_text);
            set_backdrop_blue(0, 0);
            g_command = command;
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
