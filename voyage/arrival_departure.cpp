#include "voyage/arrival_departure.h"

#include "business/harbour_services.h"
#include "engine/draw.h"
#include "engine/random.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/world_map.h"
#include "voyage/passage.h"
#include "voyage/voyage_panel.h"
#include "world/records.h"
#include "world/ship_types.h"

namespace {

constexpr int32_t REPAIR_REFUSED = 998;  // the repair could not be paid: it is offered again

const ShipType& ship_type_of(const Ship* ship) {
    int32_t t = ship->ship_type;
    return g_ship_type_table[t >= 1 && t <= SHIP_TYPE_COUNT ? t : 0];
}

// The berth of this visit; the harbour chart is the port's own.
void choose_berth(Ship* ship) {
    ship->harbour_map = static_cast<int8_t>(ship->port - 1);
    ship->berth = static_cast<int8_t>(random_range(1, 3));
}

// After damage on the way out: the offer of the shipyard. 1 when a repair was bought.
int32_t offer_repair(int32_t player, Shipowner* owner, Ship* ship) {
    const char* question[] = {lang_text(TXT_REPAIR_QUESTION_1), lang_text(TXT_REPAIR_QUESTION_2),
                              lang_text(TXT_PASSAGE_BLANK), nullptr};
    if (ask_yes_no(question, lang_text(TXT_REPAIR_YES), lang_text(TXT_REPAIR_NO), 0) == 0) return 0;
    // The repair takes the ship off its charter; the charter stays once the yard is done.
    int8_t route = ship->route;
    do {
        clear_screen();
        repair_ship_dialog(player, owner, ship);
    } while (g_command == REPAIR_REFUSED && g_quit == 0);
    int32_t bought = g_command == 1 ? 1 : 0;
    if (bought != 0) ship->loading_days = 1;
    ship->route = route;
    return bought;
}

}  // namespace

void port_arrival(int32_t player, Shipowner* shipowner, Ship* ship) {
    if (ship->harbour_map == -1) {
        // a new ship: it is in its home harbour already, nothing to show
        choose_berth(ship);
        ship->discharging_days = 0;
        return;
    }
    g_day_event = 1;
    choose_berth(ship);
    show_map_with_ship_and_leave(player, shipowner, ship);
    passage_ship_screen(player, ship);
    int32_t result = 0;
    passage_screen(player, shipowner, ship, PASSAGE_IN, &result);
    screen_buttons_clear();
    const ShipType& type = ship_type_of(ship);
    // Any cargo but none (0) holds the ship for its handling days, a ballast charter's too.
    ship->discharging_days = ship->cargo != 0 && type.no_handling_days == 0 ? type.handling_days : 0;
}

void port_departure(int32_t player, Shipowner* shipowner, Ship* ship) {
    g_day_event = 1;
    show_map_with_ship_and_leave(player, shipowner, ship);
    passage_ship_screen(player, ship);
    int32_t result = 0;
    int32_t by_hand = passage_screen(player, shipowner, ship, PASSAGE_OUT, &result);
    int32_t repaired = 0;
    if (by_hand != 0 && result >= 1) repaired = offer_repair(player, shipowner, ship);
    screen_buttons_clear();
    clear_screen();
    if (repaired == 0) voyage_panel(player, shipowner, ship);
}
