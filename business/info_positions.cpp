// The ships-positions list: the fleet by name, a chosen ship shown on the ship locator.
#include "business/office.h"
#include "business/ship_picker.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "views/ship_locator.h"
#include "world/records.h"

void ships_positions_dialog(int32_t player) {
    Shipowner* owner = &g_shipowners[player];
    ScreenButton buttons[SHIP_PICKER_MAX + 2];
    do {
        clear_screen_grey();
        picture_load(OFFICE_POSITIONS_PICTURE, g_background_buffer);
        restore_screen();
        screen_start_hook();
        const int32_t n = ship_picker_buttons(owner, buttons);
        buttons[n] = ScreenButton{50, 185, 50, 15, lang_text(TXT_POSITIONS_NONE), 300};
        buttons[n + 1] = ScreenButton{0, 185, 50, 15, lang_text(TXT_OK_SMALL), 1};
        static const ScreenBox boxes[] = {{100, 185, 315, 199, 2}, {0, 0, 0, 0, 0}};
        const ScreenText texts[] = {{105, 186, lang_text(TXT_POSITIONS_WHICH)}, {0, 0, nullptr}};
        screen_layout_draw(buttons, boxes, texts);
        g_selected_button = -1;
        if (n > 0) button_select(buttons, 100);
        draw_shipowner_status_line(player, 6);

        do {
            input_poll();
            // Only the listed ships can be chosen: with more than 30 the rest stay out of reach.
            button_select_by_arrow(100, n + 99, 10, 1);
            if (g_command >= 100 && g_command < 100 + n) button_select(buttons, g_command);
            if (g_command == 1 && g_selected_button >= 0 && g_selected_button < n) {
                screen_buttons_clear();
                show_ship_locator(ship_picker_ship(owner, g_selected_button));
                set_backdrop_blue(0, 0);
                g_command = 2;
            }
        } while (g_command != 300 && g_command != 2 && g_quit == 0);
    } while (g_command != 300 && g_quit == 0);
    screen_buttons_clear();
}
