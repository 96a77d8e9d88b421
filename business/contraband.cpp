#include "business/contraband.h"

#include "business/harbour_report.h"
#include "engine/intmath.h"
#include "engine/random.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "world/ports.h"
#include "world/records.h"

namespace {

const char* T(TextId id) { return lang_text(id); }

void charge(Shipowner* shipowner, int32_t amount) {
    shipowner->cash = wrap_sub(shipowner->cash, amount);
    shipowner->expenses_general = wrap_add(shipowner->expenses_general, amount);
}

void show_release(Shipowner* shipowner, int32_t amount) {
    const char* lines[] = {T(TXT_HV_RELEASED_1), T(TXT_HV_RELEASED_2), nullptr};
    message_box(lines, 0);
    charge(shipowner, amount);
}

// 1 when the shipowner will grease the palms.
bool ask_bribe() {
    const char* lines[] = {T(TXT_HV_SUSPECT_1), T(TXT_HV_SUSPECT_2), T(TXT_HV_SUSPECT_3), T(TXT_HV_SUSPECT_4),
                           T(TXT_HV_SUSPECT_5), nullptr};
    return ask_yes_no(lines, T(TXT_HV_YES), T(TXT_HV_NO), 0) == 1;
}

enum : int32_t { BRIBE_RELEASED = 1, BRIBE_FAILED = 2, BRIBE_NO_EFFECT = 0 };

// The bribe screen and what the harbour officials make of it.
int32_t offer_bribe(Shipowner* shipowner, const Ship* ship) {
    int32_t command = bribe_screen(ship);
    if (command == BRIBE_100) {
        show_release(shipowner, 100);
        return BRIBE_RELEASED;
    }
    if (command == BRIBE_50) {
        int32_t luck = random_range(0, 100);
        if (luck < 50) {
            show_release(shipowner, 50);
            return BRIBE_RELEASED;
        }
        return BRIBE_FAILED;
    }
    if (command == BRIBE_10 || command == BRIBE_REJECT) return BRIBE_FAILED;
    return BRIBE_NO_EFFECT;
}

// Suspected from now on: the contraband is gone and the kind turns negative.
void suspect(Ship* ship) {
    ship->smuggling_reward = 0;
    ship->smuggling_kind = static_cast<int8_t>(-ship->smuggling_kind);
}

void clean(Ship* ship) {
    ship->smuggling_reward = 0;
    ship->smuggling_kind = 0;
}

}  // namespace

int32_t bribe_screen(const Ship* ship) {
    static const ScreenBox boxes[] = {{60, 60, 200, 180, 6}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{80, 70, T(TXT_HV_BRIBE_HOW_MUCH)}, {0, 0, nullptr}};
    const ScreenButton buttons[] = {{80, 90, 100, 13, T(TXT_HV_BRIBE_100), BRIBE_100},
                                    {80, 110, 100, 13, T(TXT_HV_BRIBE_50), BRIBE_50},
                                    {80, 130, 100, 13, T(TXT_HV_BRIBE_10), BRIBE_10},
                                    {80, 155, 100, 14, T(TXT_HV_BRIBE_REJECT), BRIBE_REJECT}};
    screen_layout_draw(buttons, boxes, texts);
    do {
        input_poll();
    } while (g_command == 0 && g_quit == 0);
    int32_t command = g_quit != 0 ? 0 : g_command;
    screen_buttons_clear();
    draw_port_view_and_info(ship);
    return command;
}

int32_t contraband_on_arrival(Shipowner* shipowner, Ship* ship, int32_t* result) {
    int32_t delivered = random_range(0, 10);
    if (delivered >= 4) {
        int32_t reward = ship->smuggling_reward;
        *result += reward * 1000;
        shipowner->cash = wrap_add(shipowner->cash, reward);
        shipowner->income_shipping = wrap_add(shipowner->income_shipping, reward);
        clean(ship);
        return DETENTION_NONE;
    }
    int32_t caught = random_range(0, 3);
    if (caught == 0) {
        const char* lines[] = {T(TXT_HV_CRUISER_1), T(TXT_HV_CRUISER_2), T(TXT_HV_CRUISER_3),
                               T(TXT_HV_CRUISER_4), T(TXT_HV_CRUISER_5), nullptr};
        message_box(lines, 0);
        ship->smuggling_reward = 0;  // the kind stays: the next visit without a charter is fined
        return DETENTION_SHORT;
    }
    if (caught == 1) {
        charge(shipowner, 200);
        const char* lines[] = {T(TXT_HV_CUSTOMS_1), T(TXT_HV_CUSTOMS_2), T(TXT_HV_CUSTOMS_3), nullptr};
        message_box(lines, 0);
        clean(ship);
        return DETENTION_NONE;
    }
    if (!ask_bribe()) {
        suspect(ship);
        return DETENTION_SHORT;
    }
    int32_t bribe = offer_bribe(shipowner, ship);
    if (bribe == BRIBE_RELEASED) {
        clean(ship);
        return DETENTION_NONE;
    }
    if (bribe == BRIBE_FAILED) {
        suspect(ship);
        return DETENTION_SHORT;
    }
    return DETENTION_NONE;
}

int32_t suspicion_without_charter(Shipowner* shipowner, Ship* ship) {
    if (ship->smuggling_kind > 0) {
        const char* lines[] = {T(TXT_HV_RELEASED_1), T(TXT_HV_RELEASED_2), T(TXT_HV_RELEASED_FINE), nullptr};
        message_box(lines, 0);
        charge(shipowner, 100);
        ship->smuggling_kind = 0;
        return DETENTION_NONE;
    }
    if (ship->smuggling_kind == 0) return DETENTION_NONE;
    if (!ask_bribe()) {
        clean(ship);
        return DETENTION_LONG;
    }
    int32_t bribe = offer_bribe(shipowner, ship);
    if (bribe == BRIBE_NO_EFFECT) return DETENTION_NONE;
    clean(ship);
    return bribe == BRIBE_RELEASED ? DETENTION_NONE : DETENTION_LONG;
}

void smuggling_offer(Ship* ship) {
    const PortInfo& port = g_port_table[ship->port];
    int32_t chance = random_range(0, 100);
    if (chance >= port.smuggling_percent || port.smuggling_kind == 0) return;

    const char* pst[] = {T(TXT_HV_PST_1), T(TXT_HV_PST_2), T(TXT_HV_PST_3), T(TXT_HV_PST_4), nullptr};
    bool interested = ask_yes_no(pst, T(TXT_HV_YES), T(TXT_HV_NO), 0) == 1;
    if (!interested) {
        int32_t insist = random_range(0, 100);
        if (insist < 50) {
            const char* pity[] = {T(TXT_HV_PITY), T(TXT_HV_BLANK), nullptr};
            message_box(pity, 0);
            return;
        }
        const char* money[] = {T(TXT_HV_MONEY_1), T(TXT_HV_MONEY_2), nullptr};
        interested = ask_yes_no(money, T(TXT_HV_YES), T(TXT_HV_NO), 0) == 1;
    }
    if (!interested) return;

    int32_t kind = port.smuggling_kind;
    const char* suitcase[] = {T(TXT_HV_SUITCASE_1), T(TXT_HV_SUITCASE_2), T(TXT_HV_SUITCASE_3), nullptr};
    const char* chest[] = {T(TXT_HV_CHEST_1), T(TXT_HV_CHEST_2), T(TXT_HV_CHEST_3), nullptr};
    const char* arms[] = {T(TXT_HV_ARMS_1), T(TXT_HV_ARMS_2), nullptr};
    TextLines offer = kind == 1 ? suitcase : kind == 2 ? chest : arms;
    bool taken = ask_yes_no(offer, T(TXT_HV_DO_IT), T(TXT_HV_OH_NO), 0) == 1;
    bool doubled = false;
    int32_t raise = random_range(0, 100);
    if (raise < 90 && !taken) {
        const char* more[] = {T(TXT_HV_DOUBLED_1), T(TXT_HV_DOUBLED_2), nullptr};
        doubled = ask_yes_no(more, T(TXT_HV_OK_YES), T(TXT_HV_NO), 0) == 1;
    }
    if (!taken && !doubled) return;

    int32_t reward = kind == 1 ? 20 : kind == 2 ? 70 : 500;
    int32_t k = kind == 1 ? 1 : kind == 2 ? 2 : 3;
    ship->smuggling_reward = doubled ? 2 * reward : reward;
    ship->smuggling_kind = static_cast<int8_t>(k);
}
