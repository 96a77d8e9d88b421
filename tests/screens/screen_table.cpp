#include "tests/screens/screens.h"

// One row per screen; add yours here.
const ScreenEntry g_screens[] = {
    {"message_box", screen_message_box},
    {"question", screen_question},
    {"letter", screen_letter},
    {"file_requester", screen_file_requester},
    {"elimination", screen_elimination},
    {"setup_form", screen_setup_form},
    {"home_port_globe", screen_home_port_globe},
    {"ship_locator", screen_ship_locator},
    {"title", screen_title},
    {"intro", screen_intro},
    {"main_screen", screen_main_screen},
    {"letter_over_map", screen_letter_over_map},
    {"harbour_menu", screen_harbour_menu},
    {"harbour_new_york", screen_harbour_new_york},
    {"harbour_late_fine", screen_harbour_late_fine},
    {"harbour_bribe", screen_harbour_bribe},
    {"harbour_detention", screen_harbour_detention},
    {"charter_market", screen_charter_market},
    {"charter_market_express", screen_charter_market_express},
    {"bunker", screen_bunker},
    {"lay_up", screen_lay_up},
    {"repair", screen_repair},
    {nullptr, nullptr},
};
