// The Info menu of the office and its accounts menu.
#include "business/office.h"
#include "business/ranking.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"

namespace {

void draw_info_menu(int32_t player) {
    clear_screen_grey();
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);
    const ScreenButton buttons[] = {{80, 50, 160, 15, lang_text(TXT_INFO_PLA), 2},
                                    {80, 70, 160, 15, lang_text(TXT_INFO_SHIPS), 3},
                                    {80, 90, 160, 15, lang_text(TXT_INFO_POSITIONS), 4},
                                    {80, 110, 160, 15, lang_text(TXT_INFO_BANK_ACCOUNTS), 5},
                                    {80, 130, 160, 15, lang_text(TXT_INFO_RANKING), 6},
                                    {0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{55, 28, 270, 160, 2}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{60, 30, lang_text(TXT_INFO_TITLE)}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
}

void draw_accounts_menu(int32_t player) {
    clear_screen_grey();
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);
    const ScreenButton buttons[] = {{110, 50, 107, 15, lang_text(TXT_ACCOUNTS_INCOME), 2},
                                    {110, 80, 107, 15, lang_text(TXT_ACCOUNTS_POSSESSIONS), 3},
                                    {110, 110, 107, 15, lang_text(TXT_ACCOUNTS_STATISTICS), 4},
                                    {0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{100, 40, 240, 135, 2}, {0, 0, 0, 0, 0}};
    screen_layout_draw(buttons, boxes, nullptr);
}

}  // namespace

void info_menu_dialog(int32_t player) {
    clear_screen_grey();
    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
    draw_info_menu(player);
    do {
        input_poll();
        const int32_t command = g_command;
        if (command > 1) {
            screen_buttons_clear();
            switch (command) {
                case 2:
                case 100:
                    accounts_menu_dialog(player);
                    break;
                case 3:
                case 101:
                    fleet_info_screen(player);
                    break;
                case 4:
                case 102:
                    ships_positions_dialog(player);
                    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
                    break;
                case 5:
                case 103:
                    bank_accounts_screen(player);
                    break;
                case 6:
                case 104:
                    ranking_list_screen();
                    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
                    break;
                default:
                    break;
            }
            g_command = command;
            draw_info_menu(player);
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}

void accounts_menu_dialog(int32_t player) {
    draw_accounts_menu(player);
    do {
        input_poll();
        const int32_t command = g_command;
        if (command > 1) {
            screen_buttons_clear();
            switch (command) {
                case 2:
                case 100:
                    profit_and_loss_screen(player);
                    break;
                case 3:
                case 101:
                    possessions_screen(player, 1);
                    break;
                case 4:
                case 102:
                    property_statistics_screen(player);
                    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
                    break;
                default:
                    break;
            }
            g_command = command;
            draw_accounts_menu(player);
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
