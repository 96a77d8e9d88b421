#include "views/home_port.h"

#include "engine/frame.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/ports.h"
#include "world/records.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"

const int8_t g_home_port_order[HOME_PORT_CHOICES] = {
    25,  // Alexandria
    19,  // Basrah
    17,  // Buenos Aires
    27,  // Calcutta
    6,   // Cape Town
    24,  // Dar-es-Salaam
    3,   // Hamburg
    10,  // Hong Kong
    20,  // Pearl Harbor
    28,  // Houston
    8,   // Jebel Dhanna
    26,  // Karachi
    7,   // Lagos
    16,  // Lima
    1,   // London
    4,   // Marseilles
    21,  // Monrovia
    9,   // New York
    22,  // Panama
    5,   // Piraeus
    18,  // Point Hope
    12,  // Rio de Janeiro
    2,   // Rotterdam
    11,  // San Francisco
    23,  // Singapore
    13,  // Sydney
    14,  // Tokyo
    15,  // Vancouver
};

namespace {

// Three columns of 10, 10 and 8 buttons, then OK.
void build_buttons(ScreenButton* buttons) {
    int16_t x = 7;
    int16_t y = 32;
    for (int32_t i = 0; i < HOME_PORT_CHOICES; ++i) {
        buttons[i] = ScreenButton{x, y, 100, 13, port_name(g_home_port_order[i]), static_cast<uint16_t>(100 + i)};
        y = static_cast<int16_t>(y + 14);
        if (y > 165) {
            y = 32;
            x = static_cast<int16_t>(x + 102);
        }
    }
    buttons[HOME_PORT_CHOICES] = ScreenButton{0, 185, 40, 15, lang_text(TXT_OK_SMALL), 1};
}

}  // namespace

void choose_home_port_dialog(int32_t player) {
    Shipowner& owner = g_shipowners[player];
    clear_screen_grey();
    set_backdrop_blue(0, 0);

    ScreenButton buttons[HOME_PORT_CHOICES + 1];
    build_buttons(buttons);
    static const ScreenBox boxes[] = {{80, 185, 310, 199, 13}, {0, 26, 319, 185, 8}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{80, 187, lang_text(TXT_HOME_PORT_PROMPT)}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
    draw_shipowner_status_line(player, 6);

    g_selected_button = -1;
    for (int32_t i = 0; i < HOME_PORT_CHOICES; ++i) {
        if (g_home_port_order[i] == owner.home_port) button_select(buttons, 100 + i);
    }

    do {
        input_poll();
        button_select_by_arrow(100, 100 + HOME_PORT_CHOICES - 1, 10, 1);
        // Commands beyond the last port (none of this screen's) must not index past the table.
        if (g_command < 100 + HOME_PORT_CHOICES) button_select(buttons, g_command);
        if (g_command >= 100 && g_command < 100 + HOME_PORT_CHOICES && g_selected_button >= 0) {
            int8_t port = g_home_port_order[g_selected_button];
            if (port != owner.home_port) {
                owner.home_port = port;
                draw_shipowner_status_line(player, 6);
            }
        }
    } while (g_command != 1);
    screen_buttons_clear();
}
