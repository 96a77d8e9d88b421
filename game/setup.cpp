#include "game/setup.h"

#include <cstdio>
#include <initializer_list>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/timing.h"
#include "views/globe.h"
#include "views/globe_land.h"
#include "views/home_port.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "world/ports.h"
#include "world/records.h"
#include "lang/lang.h"
#include "ui/entry_field.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"

namespace {

constexpr int32_t SETUP_PICTURE = 41;
constexpr int32_t SETUP_PLAYERS_PICTURE = 38;
constexpr int32_t FORM_FIELD_SIZE = 11;  // ten characters and the NUL
constexpr uint16_t FORM_NAME_ID = 200;
constexpr uint16_t FORM_COMPANY_ID = 201;

#define T(id) lang_text(id)

// A picture into the background and onto the cleared screen, then a short pause.
void show_setup_picture(int32_t picture) {
    clear_screen();
    set_backdrop_blue(0, 1);
    picture_load(picture, g_background_buffer);
    set_backdrop_blue(0, 0);
    clear_screen();
    restore_screen_from_background(0);
    delay_ticks(12);
}

void show_remark(std::initializer_list<TextId> ids) {
    const char* lines[6] = {};
    int32_t n = 0;
    for (TextId id : ids) lines[n++] = T(id);
    lines[n] = nullptr;
    message_box(lines, 0);
}

void difficulty_remark(int32_t entry) {
    switch (entry) {
        case 0: show_remark({TXT_REMARK_0_1, TXT_REMARK_0_2, TXT_REMARK_0_3}); break;
        case 1: show_remark({TXT_REMARK_1_1}); break;
        case 2: show_remark({TXT_REMARK_2_1, TXT_REMARK_2_2, TXT_REMARK_2_3}); break;
        case 3: show_remark({TXT_REMARK_3_1}); break;
        case 4: show_remark({TXT_REMARK_4_1}); break;
        case 5: show_remark({TXT_REMARK_5_1, TXT_REMARK_5_2, TXT_REMARK_5_3}); break;
        case 6: show_remark({TXT_REMARK_6_1, TXT_REMARK_6_2}); break;
        case 7: show_remark({TXT_REMARK_7_1, TXT_REMARK_7_2}); break;
        case 8: show_remark({TXT_REMARK_8_1, TXT_REMARK_8_2}); break;
        case 9: show_remark({TXT_REMARK_9_1, TXT_REMARK_9_2}); break;
        case 10: show_remark({TXT_REMARK_10_1}); break;
        case 11: show_remark({TXT_REMARK_11_1}); break;
        default: show_remark({TXT_REMARK_12_1}); break;
    }
}

void farewell_remark(int32_t entry) {
    switch (entry) {
        case 0: show_remark({TXT_SEND_OFF_0_1, TXT_SEND_OFF_0_2, TXT_SEND_OFF_0_3}); break;
        case 1: show_remark({TXT_SEND_OFF_1_1, TXT_SEND_OFF_1_2}); break;
        case 2: show_remark({TXT_SEND_OFF_2_1, TXT_SEND_OFF_2_2}); break;
        case 3: show_remark({TXT_SEND_OFF_3_1, TXT_SEND_OFF_3_2}); break;
        case 4: show_remark({TXT_SEND_OFF_4_1, TXT_SEND_OFF_4_2}); break;
        case 5: show_remark({TXT_SEND_OFF_5_1}); break;
        case 6: show_remark({TXT_SEND_OFF_6_1}); break;
        case 7: show_remark({TXT_SEND_OFF_7_1}); break;
        case 8: show_remark({TXT_SEND_OFF_8_1, TXT_SEND_OFF_8_2}); break;
        default: show_remark({TXT_SEND_OFF_9_1, TXT_SEND_OFF_9_2}); break;
    }
}

int32_t duration_dialog() {
    const ScreenButton buttons[] = {{72, 116, 80, 11, T(TXT_SETUP_ONE_HOUR), 100},
                                    {72, 133, 80, 11, T(TXT_SETUP_TWO_HOURS), 101},
                                    {172, 116, 80, 11, T(TXT_SETUP_THREE_HOURS), 102},
                                    {172, 133, 80, 11, T(TXT_SETUP_UNTIL_END), 103},
                                    {0, 189, 40, 11, T(TXT_SETUP_OK), 1}};
    static const ScreenBox boxes[] = {{60, 40, 260, 80, 8}, {60, 110, 260, 150, 8}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{90, 45, T(TXT_SETUP_DURATION_1)}, {90, 60, T(TXT_SETUP_DURATION_2)}, {0, 0, nullptr}};
    return setup_choice_dialog(buttons, boxes, texts, 103, 103, 2, 1, 1);
}

int32_t difficulty_dialog() {
    const ScreenButton buttons[] = {{120, 108, 80, 15, T(TXT_SETUP_BEGINNER), 100},
                                    {120, 138, 80, 15, T(TXT_SETUP_EXPERT), 101},
                                    {120, 168, 80, 15, T(TXT_SETUP_GENIUS), 102},
                                    {0, 189, 40, 11, T(TXT_SETUP_OK), 1}};
    static const ScreenBox boxes[] = {{60, 40, 260, 80, 8}, {115, 100, 205, 190, 8}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {
        {90, 45, T(TXT_SETUP_DIFFICULTY_1)}, {90, 60, T(TXT_SETUP_DIFFICULTY_2)}, {0, 0, nullptr}};
    return setup_choice_dialog(buttons, boxes, texts, 101, 102, 1, 1, 0);
}

int32_t mode_dialog() {
    const ScreenButton buttons[] = {{70, 108, 180, 15, T(TXT_SETUP_WITH_SIMULATION), 100},
                                    {70, 138, 180, 15, T(TXT_SETUP_PURE_ECONOMY), 101},
                                    {0, 189, 40, 11, T(TXT_SETUP_OK), 1}};
    static const ScreenBox boxes[] = {{60, 40, 260, 80, 8}, {60, 100, 260, 190, 8}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{90, 45, T(TXT_SETUP_MODE_1)}, {90, 60, T(TXT_SETUP_MODE_2)}, {0, 0, nullptr}};
    return setup_choice_dialog(buttons, boxes, texts, 100, 101, 1, 1, 0);
}

int32_t players_dialog() {
    const ScreenButton buttons[] = {{130, 129, 20, 11, T(TXT_SETUP_ONE), 100},
                                    {160, 129, 20, 11, T(TXT_SETUP_TWO), 101},
                                    {190, 129, 20, 11, T(TXT_SETUP_THREE), 102},
                                    {220, 129, 20, 11, T(TXT_SETUP_FOUR), 103},
                                    {0, 189, 40, 11, T(TXT_SETUP_OK), 1}};
    static const ScreenBox boxes[] = {{60, 40, 260, 100, 8}, {60, 118, 260, 150, 8}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{80, 45, T(TXT_SETUP_PLAYERS_1)}, {80, 60, T(TXT_SETUP_PLAYERS_2)},
                                {80, 75, T(TXT_SETUP_PLAYERS_3)}, {70, 120, T(TXT_SETUP_PLEASE)},
                                {70, 135, T(TXT_SETUP_CHOOSE)},   {0, 0, nullptr}};
    return setup_choice_dialog(buttons, boxes, texts, 101, 103, 1, 1, 0);
}

// The registration form: left only by OK with both fields filled in.
void registration_form(int32_t player, char* name, char* company) {
    char title[40];
    snprintf(title, sizeof title, T(TXT_FORM_TITLE), static_cast<int>(player + 1));
    const ScreenButton buttons[] = {{0, 189, 40, 11, T(TXT_FORM_OK), 1}};
    static const ScreenBox boxes[] = {{60, 35, 260, 96, 8}, {60, 100, 260, 150, 8}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{80, 45, title},
                                {80, 60, T(TXT_FORM_FILL_OUT)},
                                {80, 75, T(TXT_FORM_REGISTRATION)},
                                {70, 105, T(TXT_FORM_REGISTER)},
                                {70, 120, T(TXT_FORM_NAME)},
                                {70, 135, T(TXT_FORM_COMPANY)},
                                {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);

    name[0] = '\0';
    company[0] = '\0';
    EntryFieldInfo name_info{name, 0, FORM_FIELD_SIZE, 0, 0, 0, 0};
    EntryFieldInfo company_info{company, 0, FORM_FIELD_SIZE, 0, 0, 0, 0};
    Gadget name_field{nullptr, 140, 121, 100, 13, GADGET_HIGHLIGHT_BOX, 0, GADGET_ENTRY_FIELD,
                      nullptr, nullptr, nullptr, &name_info, FORM_NAME_ID};
    Gadget company_field{nullptr, 140, 136, 100, 13, GADGET_HIGHLIGHT_BOX, 0, GADGET_ENTRY_FIELD,
                         nullptr, nullptr, nullptr, &company_info, FORM_COMPANY_ID};
    gadget_add(&name_field);
    gadget_add(&company_field);
    gadgets_refresh();
    string_gadget_activate(&name_field);

    for (;;) {
        input_poll();
        if (g_command == FORM_NAME_ID) {
            string_gadget_activate(&company_field);
        } else if (g_command == 1) {
            if (name[0] != '\0' && company[0] != '\0') break;
            gadget_remove(&name_field);
            gadget_remove(&company_field);
            show_remark({TXT_FORM_INCOMPLETE_1, TXT_FORM_INCOMPLETE_2, TXT_FORM_INCOMPLETE_3});
            gadget_add(&name_field);
            gadget_add(&company_field);
            gadgets_refresh();
            string_gadget_activate(&name_field);
        }
    }
    gadget_remove(&name_field);
    gadget_remove(&company_field);
    screen_buttons_clear();
}

// The new home port on the shaded globe, until OK.
void home_port_view(int32_t player) {
    const PortInfo& port = g_port_table[g_shipowners[player].home_port];
    clear_screen();
    set_globe_view_center(port.lon / 10, port.lat / 10);
    set_globe_screen_offset(2);
    draw_globe_outline();
    draw_globe_coastlines();
    set_globe_screen_offset(2);
    const ScreenButton buttons[] = {{200, 180, 58, 15, T(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{200, 30, 315, 65, 8}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {
        {205, 35, T(TXT_HOME_PORT_TITLE)}, {205, 50, port_name(g_shipowners[player].home_port)}, {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
    fill_globe_land();
    set_draw_color(14);
    draw_move_to(102, 100);
    draw_line_to(200, 50);
    draw_globe_graticule();
    shade_globe();
    set_globe_screen_offset(2);
    set_draw_color(14);
    draw_move_to(102, 100);
    draw_line_to(200, 50);
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}

}  // namespace

int32_t setup_choice_dialog(const ScreenButton* buttons, const ScreenBox* boxes, const ScreenText* texts,
                            int32_t start, int32_t last, int32_t step_h, int32_t step_v, int32_t churn_random) {
    screen_layout_draw(buttons, boxes, texts);
    g_selected_button = -1;
    button_select(buttons, start);
    do {
        input_poll();
        if (churn_random != 0) random_range(1, 2);  // only moves the generator on
        button_select_by_arrow(100, last, step_h, step_v);
        if (g_command <= last) button_select(buttons, g_command);
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
    return g_selected_button;
}

int8_t setup_default_home_port(const LanguageSettings& settings) {
    return static_cast<int8_t>(settings.default_home_port);
}

void setup_init_shipowner(int32_t player, const char* name, const char* company) {
    Shipowner& owner = g_shipowners[player];
    owner = Shipowner{};
    snprintf(owner.name, sizeof owner.name, "%s", name);
    snprintf(owner.captain_name, sizeof owner.captain_name, "%s", name);
    snprintf(owner.company, sizeof owner.company, "%s", company);
    owner.status = -1;
    owner.subsidy_status = -1;
    owner.home_port = setup_default_home_port(lang_settings());
    owner.cash = 4100;
    owner.history_index = 0;
    for (int32_t& worth : owner.net_worth_history) worth = owner.cash;
    owner.ships = nullptr;
}

void setup_new_game() {
    g_day = 0;
    g_freight_index = 1000;
    g_ship_price_index = 1000;
    g_daily_phase = 0;
    g_game_spare = 0;

    static const int32_t durations[] = {3600, 7200, 10800, -1};
    int32_t choice = duration_dialog();
    g_playing_duration = durations[choice >= 0 && choice < 4 ? choice : 3];
    if (g_quit != 0) return;

    show_setup_picture(SETUP_PICTURE);
    choice = difficulty_dialog();
    if (g_quit != 0) return;
    if (choice < 0 || choice > 2) choice = 1;
    g_random_seed = static_cast<uint16_t>(g_random_seed + (static_cast<uint32_t>(game_clock()) & 0xFFFF));
    restore_screen_from_background(0);
    static const int32_t remark_first[] = {0, 4, 8};
    static const int32_t remark_last[] = {3, 7, 12};
    difficulty_remark(random_range(remark_first[choice], remark_last[choice]));
    static const int32_t allowances[] = {6000, 4000, 2000};
    g_difficulty_allowance = allowances[choice];
    set_backdrop_blue(0, 1);
    clear_screen();
    g_difficulty = static_cast<int8_t>(choice + 1);
    show_setup_picture(SETUP_PICTURE);
    choice = mode_dialog();
    if (g_quit != 0) return;

    restore_screen_from_background(0);
    if (choice == 1) {
        show_remark({TXT_MODE_REMARK_ECO_1, TXT_MODE_REMARK_ECO_2, TXT_MODE_REMARK_ECO_3});
    } else {
        show_remark({TXT_MODE_REMARK_SIM_1, TXT_MODE_REMARK_SIM_2, TXT_MODE_REMARK_SIM_3});
    }
    set_backdrop_blue(0, 1);
    clear_screen();
    g_sim_mode = choice == 1 ? 1 : 0;
    show_setup_picture(SETUP_PLAYERS_PICTURE);
    choice = players_dialog();
    if (g_quit != 0) return;

    g_shipowner_count = static_cast<int8_t>(choice >= 0 && choice < 4 ? choice + 1 : 2);
    set_globe_view_center(0, 0);
    for (int32_t i = 0; i < g_shipowner_count; ++i) {
        show_setup_picture(SETUP_PICTURE);
        char name[FORM_FIELD_SIZE];
        char company[FORM_FIELD_SIZE];
        registration_form(i, name, company);
        restore_screen_from_background(0);
        farewell_remark(random_range(0, 9));
        clear_screen();
        set_backdrop_blue(0, 1);
        setup_init_shipowner(i, name, company);
        choose_home_port_dialog(i);
        home_port_view(i);
    }
}
