#include "business/harbour_visit.h"

#include <cstdio>

#include "business/charter_market.h"
#include "business/contraband.h"
#include "business/harbour_report.h"
#include "business/harbour_services.h"
#include "business/visit_rolls.h"
#include "engine/draw.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/world_map.h"
#include "world/cargoes.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/ship_types.h"

namespace {

const char* T(TextId id) { return lang_text(id); }

// The from, with and result lines of a chartered voyage, and its money.
void settle_charter(Shipowner* shipowner, Ship* ship, ArrivalReport* report, int32_t* detention) {
    const Route& route = g_route_table[ship->route];
    int32_t from = ship->port == route.port_b ? route.port_a : route.port_b;
    std::snprintf(report->from, sizeof report->from, T(TXT_HV_FROM), port_name(from));
    if (ship->cargo == 0 || ship->cargo == CARGO_BALLAST) {
        std::snprintf(report->with, sizeof report->with, "%s", T(TXT_HV_WITH_BALLAST));
    } else {
        std::snprintf(report->with, sizeof report->with, T(TXT_HV_WITH), cargo_name(ship->cargo));
    }
    int32_t result = settle_freight(shipowner, ship);
    if (ship->smuggling_reward != 0) *detention = contraband_on_arrival(shipowner, ship, &result);
    std::snprintf(report->result, sizeof report->result, T(TXT_HV_RESULT), static_cast<long>(result));
    ship->route = 0;
}

// The report stays up until the invisible OK zone over the menu is pressed.
void detention_screen(Ship* ship, int32_t detention, const ArrivalReport& report) {
    ship->layup_days = detention == DETENTION_SHORT ? 10 : 40;
    draw_arrival_report(&report);
    static const ScreenButton zone[] = {{40, 133, 71, 57, nullptr, 1}};
    screen_layout_draw(zone, nullptr, nullptr);
    set_draw_color(1);
    fill_rect(40, 133, 110, 190);
    const char* ok[] = {T(TXT_HV_DETENTION_OK), nullptr};
    draw_text_lines(40, 157, 0, ok, nullptr);
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
    ship->route = 0;
}

const ScreenButton kMenuZones[] = {
    {40, 133, 71, 11, nullptr, HARBOUR_REPAIR}, {40, 145, 71, 11, nullptr, HARBOUR_BUNKER},
    {40, 157, 71, 11, nullptr, HARBOUR_CHARTER}, {40, 169, 71, 11, nullptr, HARBOUR_LAY_UP},
    {40, 181, 71, 10, nullptr, HARBOUR_DEPART},
};

// The digit keys 1..4 stand for the four upper zones.
int32_t menu_command(int32_t command) {
    switch (command) {
        case 100: return HARBOUR_REPAIR;
        case 101: return HARBOUR_BUNKER;
        case 102: return HARBOUR_CHARTER;
        case 103: return HARBOUR_LAY_UP;
        default: return command;
    }
}

void depart(Ship* ship) {
    if (ship->route == 0) {
        const char* lines[] = {T(TXT_HV_NO_CHARTER_1), T(TXT_HV_NO_CHARTER_2), T(TXT_HV_NO_CHARTER_3), nullptr};
        message_box(lines, 0);
        g_command = 999;
        return;
    }
    ship->direction = static_cast<int16_t>(ship->port == g_route_table[ship->route].port_b ? -1 : 1);
    ship->loading_days = g_ship_type_table[ship->ship_type].handling_days;
    smuggling_offer(ship);
    g_command = 1;
}

void harbour_menu(int32_t player, Shipowner* shipowner, Ship* ship, const int32_t* rolls, ArrivalReport* report) {
    int32_t route_row = 0;
    int32_t cargo_row = 0;
    draw_arrival_report(report);
    screen_layout_draw(kMenuZones, nullptr, nullptr);
    do {
        input_poll();
        if (g_command != 0) screen_buttons_clear();
        g_command = menu_command(g_command);
        switch (g_command) {
            case HARBOUR_REPAIR:
                repair_ship_dialog(player, shipowner, ship);
                clear_screen();
                show_port_picture(ship);
                break;
            case HARBOUR_BUNKER:
                bunker_fuel_dialog(player, shipowner, ship, rolls);
                clear_screen();
                show_port_picture(ship);
                g_command = 999;
                break;
            case HARBOUR_CHARTER:
                charter_offer_dialog(player, shipowner, ship, rolls, &route_row, &cargo_row);
                g_command = 999;
                break;
            case HARBOUR_LAY_UP:
                lay_up_dialog(player, shipowner, ship);
                if (g_command != 1) {
                    clear_screen();
                    show_port_picture(ship);
                }
                break;
            case HARBOUR_DEPART: depart(ship); break;
            default: break;
        }
        if (g_command > 1) {
            // The voyage's lines are shown only until the first command.
            clear_screen();
            draw_port_view_and_info(ship);
            arrival_report_start(shipowner, ship, report);
            draw_arrival_report(report);
            screen_layout_draw(kMenuZones, nullptr, nullptr);
        }
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}

}  // namespace

int32_t settle_freight(Shipowner* shipowner, Ship* ship) {
    int32_t freight = ship->freight;
    ship->freight = 0;
    shipowner->cash = wrap_add(shipowner->cash, freight / 1000);
    shipowner->income_shipping = wrap_add(shipowner->income_shipping, freight / 1000);
    int32_t result = freight;
    if (ship->charter_days > ship->allowed_days && ship->penalty_per_day >= 1) {
        // Wraps like the rest of the game's arithmetic: a fine can never be undefined.
        int32_t late = ship->charter_days - ship->allowed_days;
        int32_t fine = static_cast<int32_t>(static_cast<uint32_t>(ship->penalty_per_day) * static_cast<uint32_t>(late));
        result = static_cast<int32_t>(static_cast<uint32_t>(result) - static_cast<uint32_t>(fine));
        char amount[24];
        std::snprintf(amount, sizeof amount, T(TXT_HV_FINE_2), static_cast<long>(fine));
        const char* lines[] = {T(TXT_HV_FINE_1), amount, T(TXT_HV_FINE_3), T(TXT_HV_FINE_4), nullptr};
        message_box(lines, 0);
        ship->penalty_per_day = 0;
        shipowner->cash = wrap_sub(shipowner->cash, fine / 1000);
        shipowner->expenses_general = wrap_add(shipowner->expenses_general, fine / 1000);
    }
    return result;
}

void run_harbour_visit(int32_t player, Shipowner* shipowner, Ship* ship) {
    ArrivalReport report{};
    arrival_report_start(shipowner, ship, &report);
    show_map_with_ship_and_leave(player, shipowner, ship);
    show_port_picture(ship);
    draw_port_view_and_info(ship);
    int32_t rolls[VISIT_ROLLS];
    draw_visit_rolls(rolls);

    int32_t detention = DETENTION_NONE;
    if (ship->route != 0) {
        settle_charter(shipowner, ship, &report, &detention);
    } else if (ship->smuggling_kind != 0) {
        detention = suspicion_without_charter(shipowner, ship);
    }
    arrival_report_refresh(shipowner, ship, &report);

    if (detention != DETENTION_NONE) {
        detention_screen(ship, detention, report);
    } else {
        harbour_menu(player, shipowner, ship, rolls, &report);
    }
    ship->speed = 0;
    ship->sailed_nm = 0;
    ship->voyage_flags = 0;
}
