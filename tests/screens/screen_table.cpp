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
    {"harbour_arrival", screen_harbour_arrival},
    {"harbour_departure", screen_harbour_departure},
    {"harbour_damage", screen_harbour_damage},
    {"voyage_panel", screen_voyage_panel},
    {"sinking_sailing_in", screen_sinking_sailing_in},
    {"sinking_descent", screen_sinking_descent},
    {"sinking_under_water", screen_sinking_under_water},
    {nullptr, nullptr},
};
