// The screens tool: renders named screens of the game on the headless host and writes each as a PNG
// file, so the screens can be looked at without playing. A screen is one row of g_screens.
#pragma once

#include <cstdint>

#include "engine/frame.h"

// One capture: the frame's palette indexes and the palette (blue, green, red, 0 per entry).
struct ScreenShot {
    uint8_t pixels[SCREEN_BYTES];
    uint8_t palette[256 * 4];
};

struct ScreenEntry {
    const char* name;  // also the PNG file's name
    void (*render)(ScreenShot* shot);
};

// Every screen the tool knows, ended by a row with a null name (screen_table.cpp).
extern const ScreenEntry g_screens[];

// Each render starts from the test picture on screen, the engine otherwise at rest.
void screens_show_test_picture();
// The frame as it is now.
void screens_shot_frame(ScreenShot* shot);
// The frame the window was last handed: for a modal screen, what it showed just before the
// scripted input closed it.
void screens_shot_presented(ScreenShot* shot);

// Toolkit screens (ui_screens.cpp).
void screen_message_box(ScreenShot* shot);
void screen_question(ScreenShot* shot);
void screen_letter(ScreenShot* shot);
void screen_file_requester(ScreenShot* shot);

// The title, the intro, the main screen and a letter over the map (game_main_screens.cpp).
void screen_title(ScreenShot* shot);
void screen_intro(ScreenShot* shot);
void screen_main_screen(ScreenShot* shot);
void screen_letter_over_map(ScreenShot* shot);

// The daily step (game_day_screens.cpp).
void screen_elimination(ScreenShot* shot);

// The globe's screens (game_globe_screens.cpp).
void screen_setup_form(ScreenShot* shot);
void screen_home_port_globe(ScreenShot* shot);
void screen_ship_locator(ScreenShot* shot);

// The office, its Info screens, the bank, the ranking list and the statistics (office_screens.cpp).
void screen_office(ScreenShot* shot);
void screen_office_lamp(ScreenShot* shot);
void screen_office_greeting(ScreenShot* shot);
void screen_info_menu(ScreenShot* shot);
void screen_accounts_menu(ScreenShot* shot);
void screen_profit_and_loss(ScreenShot* shot);
void screen_possessions(ScreenShot* shot);
void screen_property_statistics(ScreenShot* shot);
void screen_fleet_statistics(ScreenShot* shot);
void screen_ships_positions(ScreenShot* shot);
void screen_bank_accounts(ScreenShot* shot);
void screen_bank(ScreenShot* shot);
void screen_bank_mortgage_list(ScreenShot* shot);
void screen_bank_raise_mortgage(ScreenShot* shot);
void screen_bank_refusal(ScreenShot* shot);
void screen_bank_pay_off_mortgage(ScreenShot* shot);
void screen_bank_obtain_credit(ScreenShot* shot);
void screen_bank_repay_credit(ScreenShot* shot);
void screen_bank_change_register(ScreenShot* shot);
void screen_bank_penalty(ScreenShot* shot);
void screen_ranking_two(ScreenShot* shot);
void screen_ranking_four(ScreenShot* shot);
// The harbour: visit, charter market and services (business_harbour_screens.cpp).
void screen_harbour_menu(ScreenShot* shot);
void screen_harbour_new_york(ScreenShot* shot);
void screen_harbour_late_fine(ScreenShot* shot);
void screen_harbour_bribe(ScreenShot* shot);
void screen_harbour_detention(ScreenShot* shot);
void screen_charter_market(ScreenShot* shot);
void screen_charter_market_express(ScreenShot* shot);
void screen_bunker(ScreenShot* shot);
void screen_lay_up(ScreenShot* shot);
void screen_repair(ScreenShot* shot);
// The ship broker's building (business_broker_screens.cpp).
void screen_broker_lift_hall(ScreenShot* shot);
void screen_broker_lift_open(ScreenShot* shot);
void screen_broker_lift_panel(ScreenShot* shot);
void screen_broker_floor_5(ScreenShot* shot);
void screen_broker_floor_4(ScreenShot* shot);
void screen_broker_floor_3(ScreenShot* shot);
void screen_broker_data_sheet(ScreenShot* shot);
void screen_broker_contract(ScreenShot* shot);
void screen_broker_refusal(ScreenShot* shot);
void screen_broker_notice(ScreenShot* shot);
void screen_broker_sellers(ScreenShot* shot);
void screen_broker_offer(ScreenShot* shot);
void screen_broker_offer_refused(ScreenShot* shot);
// The harbour passage and the sinking (voyage_harbour_screens.cpp).
void screen_harbour_arrival(ScreenShot* shot);
void screen_harbour_departure(ScreenShot* shot);
void screen_harbour_damage(ScreenShot* shot);
void screen_voyage_panel(ScreenShot* shot);
void screen_sinking_sailing_in(ScreenShot* shot);
void screen_sinking_descent(ScreenShot* shot);
void screen_sinking_under_water(ScreenShot* shot);
// The at-sea events (voyage_event_screens.cpp).
void screen_storm_question(ScreenShot* shot);
void screen_gale_box(ScreenShot* shot);
void screen_gale_damage(ScreenShot* shot);
void screen_canal_fee_letter(ScreenShot* shot);
void screen_cape_horn_letter(ScreenShot* shot);
void screen_reef_assisted(ScreenShot* shot);
// The manoeuvring simulation (voyage_screens.cpp).
void screen_chart_london(ScreenShot* shot);
void screen_chart_hamburg(ScreenShot* shot);
void screen_chart_marseilles(ScreenShot* shot);
void screen_chart_rotterdam(ScreenShot* shot);
void screen_chart_cape_town(ScreenShot* shot);
void screen_chart_sydney(ScreenShot* shot);
void screen_chart_vancouver(ScreenShot* shot);
void screen_chart_hong_kong(ScreenShot* shot);
void screen_chart_pearl_harbor(ScreenShot* shot);
void screen_chart_singapore(ScreenShot* shot);
void screen_chart_houston(ScreenShot* shot);
void screen_chart_panama(ScreenShot* shot);
void screen_chart_karachi(ScreenShot* shot);
void screen_chart_alexandria(ScreenShot* shot);
void screen_chart_rio_de_janeiro(ScreenShot* shot);
void screen_chart_tokyo(ScreenShot* shot);
void screen_chart_buenos_aires(ScreenShot* shot);
void screen_chart_point_hope(ScreenShot* shot);
void screen_chart_monrovia(ScreenShot* shot);
void screen_chart_basrah(ScreenShot* shot);
void screen_chart_calcutta(ScreenShot* shot);
void screen_chart_lima(ScreenShot* shot);
void screen_chart_new_york(ScreenShot* shot);
void screen_chart_piraeus(ScreenShot* shot);
void screen_chart_lagos(ScreenShot* shot);
void screen_chart_jebel_dhanna(ScreenShot* shot);
void screen_chart_san_francisco(ScreenShot* shot);
void screen_chart_dar_es_salaam(ScreenShot* shot);
void screen_chart_ice(ScreenShot* shot);
void screen_chart_reef(ScreenShot* shot);
void screen_chart_shoals(ScreenShot* shot);
void screen_control_panel(ScreenShot* shot);
void screen_hourglass_limit(ScreenShot* shot);
void screen_episode_out_of_time(ScreenShot* shot);
void screen_rescue(ScreenShot* shot);
// The radar exercise (voyage_radar_screens.cpp).
void screen_radar_start(ScreenShot* shot);
void screen_radar_ahead(ScreenShot* shot);
void screen_radar_starboard(ScreenShot* shot);
void screen_radar_port(ScreenShot* shot);
void screen_radar_turning(ScreenShot* shot);
// The daily incidents, the rescue and the loss of a ship (voyage_incident_screens.cpp).
void screen_incident_robbery(ScreenShot* shot);
void screen_incident_rats(ScreenShot* shot);
void screen_incident_epidemic(ScreenShot* shot);
void screen_incident_war_zone(ScreenShot* shot);
void screen_incident_collision_alarm(ScreenShot* shot);
void screen_collision_out_of_sight(ScreenShot* shot);
void screen_collision_glancing(ScreenShot* shot);
void screen_collision_crossing(ScreenShot* shot);
void screen_collision_flank(ScreenShot* shot);
void screen_rescue_frames(ScreenShot* shot);
void screen_rescue_well_done(ScreenShot* shot);
void screen_ship_lost_tragedy(ScreenShot* shot);
void screen_iceberg_letter(ScreenShot* shot);
void screen_reef_letter(ScreenShot* shot);
void screen_shoals_letter(ScreenShot* shot);
void screen_icebergs_mastered(ScreenShot* shot);
void screen_emergency_call(ScreenShot* shot);
void screen_rescue_off_chart(ScreenShot* shot);
void screen_rescue_too_late(ScreenShot* shot);
void screen_rescue_rammed(ScreenShot* shot);
