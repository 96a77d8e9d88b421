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
    {"chart_london", screen_chart_london},
    {"chart_hamburg", screen_chart_hamburg},
    {"chart_hong_kong", screen_chart_hong_kong},
    {"chart_pearl_harbor", screen_chart_pearl_harbor},
    {"chart_ice", screen_chart_ice},
    {"chart_reef", screen_chart_reef},
    {"chart_shoals", screen_chart_shoals},
    {"control_panel", screen_control_panel},
    {"hourglass_limit", screen_hourglass_limit},
    {"episode_out_of_time", screen_episode_out_of_time},
    {"rescue", screen_rescue},
    {nullptr, nullptr},
};
