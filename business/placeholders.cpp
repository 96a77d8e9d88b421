// Stand-ins for the business screens until they are built.
#include "business/placeholders.h"

void shipowner_office_screen(int32_t) {}
void ships_positions_dialog(int32_t) {}
void possessions_screen(int32_t, int32_t) {}
void ranking_list_screen() {}
void property_statistics_screen(int32_t) {}
void enter_shipbroker_building(int32_t) {}
void run_harbour_visit(int32_t, Shipowner*, Ship*) {}
void tow_ship_out_of_fuel(int32_t, Shipowner*, Ship*) {}
