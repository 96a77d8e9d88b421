#include "business/bank.h"

#include "business/amount_dialog.h"
#include "engine/frame.h"
#include "engine/intmath.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/home_port.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

constexpr int32_t BANK_PICTURE = 43;

void draw_bank_screen(int32_t player) {
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);
    const ScreenButton buttons[] = {{70, 50, 180, 15, lang_text(TXT_BANK_RAISE_MORTGAGE), 2},
                                    {70, 68, 180, 15, lang_text(TXT_BANK_PAY_OFF_MORTGAGE), 3},
                                    {70, 86, 180, 15, lang_text(TXT_BANK_OBTAIN_CREDIT), 4},
                                    {70, 104, 180, 15, lang_text(TXT_BANK_REPAY_CREDIT), 5},
                                    {70, 122, 180, 15, lang_text(TXT_BANK_CHANGE_HOME_PORT), 6},
                                    {0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{65, 28, 265, 142, 2}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{70, 30, lang_text(TXT_BANK_CHOOSE)}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
}

void run_action(int32_t player, int32_t command) {
    Shipowner* owner = &g_shipowners[player];
    switch (command) {
        case 2:
        case 100:
            raise_mortgage_menu(player, owner);
            break;
        case 3:
        case 101:
            pay_off_mortgage_menu(player, owner);
            break;
        case 4:
        case 102:
            obtain_credit_dialog(player, owner);
            break;
        case 5:
        case 103:
            repay_credit_dialog(player, owner);
            break;
        case 6:
        case 104:
            change_home_port(player);
            break;
        default:
            break;
    }
}

}  // namespace

int32_t home_port_fee(const Shipowner* owner) {
    return ship_count(owner) * 1000 + 100;
}

void change_home_port(int32_t player) {
    Shipowner& owner = g_shipowners[player];
    clear_screen_grey();
    restore_screen();
    draw_shipowner_status_line(player, 6);
    const char* question[] = {lang_text(TXT_REGISTER_1),
                              lang_text(TXT_REGISTER_2),
                              lang_text(TXT_REGISTER_3),
                              lang_text(TXT_REGISTER_4),
                              lang_text(TXT_REGISTER_5),
                              lang_text(TXT_OFFICE_BLANK),
                              nullptr};
    if (ask_yes_no(question, lang_text(TXT_REGISTER_YES), lang_text(TXT_REGISTER_NO), 0) != 1) return;

    int32_t fee = home_port_fee(&owner);
    if (wrap_sub(owner.cash, fee) < 0) {
        const char* penalty[] = {lang_text(TXT_PENALTY_1),
                                 lang_text(TXT_PENALTY_2),
                                 lang_text(TXT_PENALTY_3),
                                 lang_text(TXT_PENALTY_4),
                                 lang_text(TXT_PENALTY_5),
                                 lang_text(TXT_OFFICE_BLANK),
                                 nullptr};
        bank_message_box(penalty);
        owner.cash = wrap_sub(owner.cash, 1000);
        owner.expenses_general = wrap_add(owner.expenses_general, 1000);
        return;
    }
    int8_t before = owner.home_port;
    choose_home_port_dialog(player);
    // The picker moves the home port as the player browses; only a different port at the end costs.
    if (owner.home_port != before) {
        owner.cash = wrap_sub(owner.cash, fee);
        owner.expenses_general = wrap_add(owner.expenses_general, fee);
    }
}

void bank_action_menu(int32_t player) {
    clear_screen_grey();
    picture_load(BANK_PICTURE, g_background_buffer);
    draw_bank_screen(player);
    do {
        input_poll();
        int32_t command = g_command;
        if (command > 1) {
            screen_buttons_clear();
            run_action(player, command);
        }
        g_command = command;
        if (command > 1) {
            clear_screen_grey();
            draw_bank_screen(player);
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
