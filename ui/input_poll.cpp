#include "ui/input_poll.h"

#include "engine/input.h"
#include "lang/lang.h"
#include "ui/gadget.h"
#include "ui/gadget_poll.h"
#include "ui/menu_strip.h"

int32_t g_quit = 0;
int32_t g_command = 0;
int32_t g_project_command = 0;
uint16_t g_key_code = NO_KEY_CODE;
int32_t g_pointer_x = 0;
int32_t g_pointer_y = 0;
int32_t g_gadget_pressed = 0;
int32_t g_pressed_gadget_id = 0;
int32_t g_click_pressed = 0;
int32_t g_click_released = 0;

namespace {

bool in_letters(int8_t key, const char* letters) {
    if (letters == nullptr) return false;
    for (const char* p = letters; *p != '\0'; ++p)
        if (static_cast<int8_t>(*p) == key) return true;
    return false;
}

}  // namespace

void input_poll_map_key(uint8_t last_key, const LanguageSettings& settings) {
    auto key = static_cast<int8_t>(last_key);
    if (key == 13 || key == 'o' || key == 'j' || key == 's' || key == 'y' || in_letters(key, settings.extra_yes)) {
        g_command = 1;
    } else if (key == 'c' || key == 'n' || key == 27 || in_letters(key, settings.extra_no)) {
        g_command = 300;
    } else if (key >= '1' && key <= '9') {
        g_command = 100 + (key - '1');
    } else if (key == '0') {
        g_command = 109;
    } else if (key == ' ') {
        g_command = 900;
    } else if (key == 'Q') {
        g_project_command = PROJECT_QUIT;
    } else {
        g_key_code = last_key;
        if (key == 'A') {
            g_project_command = PROJECT_ABOUT;
        } else if (key == 'L') {
            g_project_command = PROJECT_LOAD;
        } else if (key == 'S') {
            g_project_command = PROJECT_SAVE;
        } else if (key == 'N') {
            g_project_command = PROJECT_SAVE_AS;
        } else if (key == 'H' || key == '?') {
            g_project_command = PROJECT_HELP;
        }
    }
}

namespace {

void map_menu_choice() {
    switch (g_pending_menu_choice) {
        case 0: return;
        case 10: g_project_command = PROJECT_ABOUT; break;
        case 12: g_project_command = PROJECT_LOAD; break;
        case 13: g_project_command = PROJECT_SAVE; break;
        case 14: g_project_command = PROJECT_SAVE_AS; break;
        case 18: g_project_command = PROJECT_QUIT; break;
        case 20: g_project_command = PROJECT_HELP; break;
        default: break;  // the separator rows 11 and 15
    }
    g_pending_menu_choice = 0;
}

}  // namespace

void input_poll() {
    g_command = 0;
    g_pressed_gadget_id = 0;
    g_key_code = NO_KEY_CODE;
    g_click_pressed = 0;
    g_click_released = 0;
    mouse_get_position(&g_pointer_x, &g_pointer_y);
    int32_t code = 0;
    int32_t event_class = GADGET_EVENT_NONE;
    if (gadget_poll_event(&code, &event_class) == 1) {
        if (event_class == GADGET_EVENT_UP) {
            g_command = code;
            g_gadget_pressed = 0;
        } else if (event_class == GADGET_EVENT_DOWN) {
            g_gadget_pressed = 1;
            g_pressed_gadget_id = code;
        }
    } else if (event_class == GADGET_EVENT_UP) {
        g_click_released = 1;
    } else if (event_class == GADGET_EVENT_DOWN) {
        g_click_pressed = 1;
    } else if (event_class == GADGET_EVENT_KEY) {
        input_poll_map_key(g_last_key, lang_settings());
    }
    map_menu_choice();
}
