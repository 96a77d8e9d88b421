#include "views/state_reset.h"

#include "ui/letter.h"
#include "views/day_dial.h"
#include "views/globe.h"
#include "views/main_screen.h"
#include "views/ship_locator.h"
#include "views/status_panel.h"
#include "views/world_map.h"

namespace {

// A letter covers the map it brought up: the main screen counts as not shown afterwards.
void show_map_under_letter(int32_t player, Shipowner* shipowner, Ship* ship) {
    show_map_with_ship(player, shipowner, ship);
    g_main_screen_shown = 0;
}

}  // namespace

void views_state_reset() {
    g_main_screen_shown = 0;
    g_run_button_state = -1;
    g_day_dial_hand = 0;
    g_panel_weekday = 0;
    g_globe = {};
    g_globe_x_offset = 0;
    g_globe_y_divisor = 9;
    g_locator_pad_info = {};
    g_locator_pad_info.flags = SLIDER_HORIZONTAL | SLIDER_VERTICAL;
    g_locator_pad_info.hpot = 32768;
    g_locator_pad_info.vpot = 32768;
    g_locator_pad_info.hbody = 1024;
    g_locator_pad_info.vbody = 2048;
    g_letter_map_show = &show_map_under_letter;
}
