// The loss of a ship: the map, the sinking, the letter, and the ship out of its owner's list.
#include <cstdio>

#include "engine/draw.h"
#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/requester.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "voyage/incident_screens.h"
#include "voyage/incidents.h"
#include "voyage/sinking.h"
#include "world/records.h"

namespace {

constexpr int32_t STATUS_LINE_STYLE = 6;

char s_tragedy_name[64];

// The ship before the given one in the list; *found is set when the ship is in it at all.
Ship* predecessor(const Shipowner* shipowner, const Ship* ship, bool* found) {
    Ship* before = nullptr;
    for (Ship* s = shipowner->ships; s != nullptr; s = s->next) {
        if (s == ship) {
            *found = true;
            return before;
        }
        before = s;
    }
    *found = false;
    return nullptr;
}

}  // namespace

Ship* ship_lost(int32_t player, Shipowner* shipowner, Ship* ship, TextLines reason) {
    bool found = false;
    Ship* before = predecessor(shipowner, ship, &found);
    // A ship that is not in the list is not this shipowner's to lose: nothing happens, and a walk
    // over the list goes on after it.
    if (!found) return ship;

    g_day_event = 1;
    show_map_with_ship_and_leave(player, shipowner, ship);
    shipowner->status = wrap_sub(shipowner->status, 1);
    if (shipowner->status < 0) shipowner->status = 0;
    std::snprintf(s_tragedy_name, sizeof s_tragedy_name, lang_text(TXT_INC_TRAGEDY_2), ship->name);

    int32_t model = ship->ship_type;
    if (before == nullptr)
        shipowner->ships = ship->next;
    else
        before->next = ship->next;
    free_ship(ship);

    ship_sinking_animation(model);
    clear_screen_grey();
    draw_shipowner_status_line(player, STATUS_LINE_STYLE);
    if (reason != nullptr) message_box(reason, 0);
    static const TextId ids[] = {TXT_INC_TRAGEDY_1, TXT_INC_TRAGEDY_2, TXT_INC_TRAGEDY_3,
                                 TXT_INC_TRAGEDY_4, TXT_INC_TRAGEDY_5, TXT_INC_TRAGEDY_6};
    IncidentLines lines;
    incident_lines_fill(&lines, ids, 6);
    lines.line[1] = s_tragedy_name;
    message_box(lines.line, 0);
    clear_screen();
    return before;
}
