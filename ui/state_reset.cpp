#include "ui/state_reset.h"

#include <cstring>

#include "ui/boxes_shown.h"
#include "ui/file_list.h"
#include "ui/game_file_name.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/letter.h"
#include "ui/menu_strip.h"
#include "ui/screen_layout.h"

void ui_state_reset() {
    g_gadget_list = nullptr;
    g_pressed_gadget = nullptr;
    g_active_entry_field = nullptr;
    g_previous_left_button = 0;
    g_last_key = g_last_key_raw = 0;
    g_slider_grab = {0, 0};
    g_quit = 0;
    g_command = 0;
    g_project_command = 0;
    g_key_code = NO_KEY_CODE;
    g_pointer_x = g_pointer_y = 0;
    g_gadget_pressed = 0;
    g_pressed_gadget_id = 0;
    g_click_pressed = g_click_released = 0;
    g_screen_button_last = -1;
    g_selected_button = -1;
    g_screen_box_count = 0;
    g_requester_frame = RequesterFrame{1, 0, 0, 0};
    g_letter_up = 0;
    g_menu_strip = nullptr;
    g_pending_menu_choice = 0;
    std::memset(g_menu_title_boxes, 0, sizeof g_menu_title_boxes);
    file_list_free();
    g_file_name_field[0] = '\0';
    g_game_file_pattern[0] = '\0';
    g_game_file_name[0] = '\0';
    g_letter_map_show = nullptr;
}
