// The broker's building: the lift hall with closed and open doors, the lift panel, the three sales
// floors, a data sheet, the contract, the notice, the sellers market and the broker's offer. A
// scripted visitor walks there on keys and takes the picture once the wanted screen is up; a quit
// request then ends the visit.
#include <cstdio>
#include <cstring>

#include "business/broker.h"
#include "business/sellers_market.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "world/records.h"

namespace {

using Ready = bool (*)();

struct VisitStep {
    Ready ready;
    const char* keys;  // null: take the picture and quit
};

struct Visit {
    const VisitStep* steps;
    int32_t next;
    uint32_t acted_at;
    ScreenShot* shot;
};

bool in_list(const Gadget* g) {
    for (const Gadget* p = g_gadget_list; p != nullptr; p = p->next)
        if (p == g) return true;
    return false;
}

bool button_at(const char* label, int32_t x, int32_t y) {
    for (int32_t i = 0; i <= g_screen_button_last; ++i) {
        const Gadget& g = g_screen_button_gadgets[i];
        if (g.text != nullptr && g.text->text != nullptr && std::strcmp(g.text->text, label) == 0 &&
            g.left == x + 1 && g.top == y + 1 && in_list(&g))
            return true;
    }
    return false;
}

bool box_up() {
    return in_list(&g_message_ok_gadget);
}
bool always() {
    return true;
}
bool doors_closed() {
    return g_screen_buffer[100 * 320 + 150] == 1 && g_screen_buffer[100 * 320 + 180] == 1;
}
bool doors_open() {
    return g_screen_buffer[80 * 320 + 148] == 3 && g_screen_buffer[100 * 320 + 142] == 0;
}
bool panel() {
    return button_at("5", 50, 40) && !box_up();
}
bool floor5() {
    return button_at(" Buy", 259, 58) && !box_up();
}
bool lower_floor() {
    return button_at(" Info", 210, 75) && !box_up();
}
bool sheet() {
    return button_at("  ok", 0, 185) && g_active_entry_field == nullptr && !box_up();
}
bool name_field() {
    return g_active_entry_field != nullptr && g_active_entry_field->id == 2 && !box_up();
}
bool extra_field() {
    return g_active_entry_field != nullptr && g_active_entry_field->id == 3 && !box_up();
}
bool sellers() {
    return button_at("  no", 50, 185) && !box_up();
}
bool offer() {
    return button_at("  Accept offer", 0, 185) && !box_up();
}

void on_sleep(void* context) {
    auto* v = static_cast<Visit*>(context);
    uint32_t now = headless_now();
    if (now > 10u * 60u * 1000u) {
        g_quit = 1;  // lost on the way: end the visit
        return;
    }
    // A message box waits for a command whatever the quit flag says: close it.
    if (g_quit != 0 && box_up() && headless_pending_events() == 0) headless_script(now, HEADLESS_KEY, 13);
    const VisitStep& step = v->steps[v->next];
    if (step.ready == nullptr || headless_pending_events() != 0 || now - v->acted_at < 200 || !step.ready())
        return;
    v->acted_at = now;
    if (step.keys == nullptr) {
        screens_shot_frame(v->shot);
        g_quit = 1;
        ++v->next;
        return;
    }
    uint32_t t = now;
    for (const char* k = step.keys; *k != '\0'; ++k, t += 100)
        headless_script(t, HEADLESS_KEY, static_cast<uint8_t>(*k));
    ++v->next;
}

// A shipowner with four ships for the sellers market.
void visitor_records() {
    g_shipowner_count = 1;
    Shipowner& owner = g_shipowners[0];
    owner = Shipowner{};
    std::snprintf(owner.name, RECORD_NAME_SIZE, "Hendrik");
    std::snprintf(owner.company, RECORD_NAME_SIZE, "Nordsee");
    owner.home_port = 11;
    owner.status = 4;
    owner.cash = 31500;
    const struct {
        int32_t model;
        const char* name;
        int32_t condition;
        int32_t mortgage;
    } ships[] = {
        {1, "Nordlicht", 9650, 50000}, {4, "Elbe", 7420, 0}, {6, "Jade", 5100, 0}, {3, "Weser", 9900, 2000}};
    for (const auto& s : ships) {
        Ship* ship = new_ship();
        ship->ship_type = static_cast<int8_t>(s.model);
        std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", s.name);
        ship->condition = s.condition;
        ship->mortgage = s.mortgage;
        ship->port = 11;
        append_ship(&owner, ship);
    }
}

void visit(ScreenShot* shot, const VisitStep* steps, bool from_the_hall) {
    visitor_records();
    Visit v{steps, 0, 0, shot};
    headless_set_sleep_hook(on_sleep, &v);
    if (from_the_hall) {
        enter_shipbroker_building(0);
    } else {
        shipbroker_floor_menu(0);
    }
    headless_set_sleep_hook(nullptr, nullptr);
    g_quit = 0;
}

}  // namespace

void screen_broker_lift_hall(ScreenShot* shot) {
    static const VisitStep steps[] = {{doors_closed, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, true);
}

void screen_broker_lift_open(ScreenShot* shot) {
    static const VisitStep steps[] = {{doors_open, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, true);
}

void screen_broker_lift_panel(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_floor_5(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "5"}, {floor5, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_floor_4(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "4"}, {lower_floor, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_floor_3(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "3"}, {lower_floor, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_data_sheet(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "5"}, {floor5, "2"}, {sheet, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_contract(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "4"},        {lower_floor, "3"}, {name_field, "Weser II\r"},
                                      {extra_field, "20"}, {always, nullptr},  {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_refusal(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "5"},          {floor5, "1"}, {name_field, "Queen\r"},
                                      {extra_field, "70\r"}, {sheet, "\r"}, {box_up, nullptr},
                                      {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_notice(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "1"}, {box_up, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_sellers(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "2"}, {sellers, "("}, {sellers, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_offer(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "2"}, {sellers, "2\r"}, {offer, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}

void screen_broker_offer_refused(ScreenShot* shot) {
    static const VisitStep steps[] = {{panel, "2"}, {sellers, "\r"}, {box_up, nullptr}, {nullptr, nullptr}};
    visit(shot, steps, false);
}
