#include "tests/harness/game_data.h"
#include "tests/business/broker_fixture.h"

#include <cstdio>

#include "business/state_reset.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/save_stack.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/harness/give_up.h"
#include "tests/harness/harness.h"
#include "tests/harness/player_view.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "ui/state_reset.h"
#include "views/state_reset.h"
#include "world/records.h"
#include "world/state_reset.h"

namespace {

// A visit takes a few virtual seconds a screen; far beyond that the screen waits for something the
// plan does not answer, and the test stops it.
constexpr uint32_t GIVE_UP_MS = 10u * 60u * 1000u;
constexpr uint32_t REACTION_MS = 200;

void load_game_data() {
    harness_load_game_data();
}

// Gives up past GIVE_UP_MS, naming the step of the plan the visit stopped at.
GiveUpWatch watchdog(0, "the visit hung");

}  // namespace

SeenBox box_for(std::initializer_list<const char*> lines) {
    const char* list[16] = {};
    int32_t n = 0;
    for (const char* l : lines) list[n++] = l;
    int32_t w = 0;
    int32_t h = 0;
    text_lines_measure(list, &w, &h);
    if (w > REQUESTER_MAX_TEXT_WIDTH) w = REQUESTER_MAX_TEXT_WIDTH;
    if (h > REQUESTER_MAX_TEXT_HEIGHT) h = REQUESTER_MAX_TEXT_HEIGHT;
    int32_t bx = (300 - w) / 2;
    int32_t by = (180 - h) / 2;
    return {bx + 11, by + h + 3};
}

void BrokerTest::SetUp() {
    harness_start_engine();
    load_game_data();
    sound_library_reset();
    screen_area_files_delete();
    g_area_saved = 0;
    world_state_reset();
    ui_state_reset();
    views_state_reset();
    business_state_reset();
    g_shipowner_count = 1;
    Shipowner& owner = g_shipowners[0];
    std::snprintf(owner.name, sizeof owner.name, "Hendrik");
    std::snprintf(owner.company, sizeof owner.company, "Nordsee");
    owner.status = -1;
    owner.home_port = 11;
    owner.cash = 4100;
    watchdog.reset();
    headless_set_sleep_hook(on_sleep, &visitor_);
}

void BrokerTest::TearDown() {
    headless_set_sleep_hook(nullptr, nullptr);
    world_state_reset();
    screen_area_files_delete();
}

void BrokerTest::plan(std::vector<Step> steps) {
    visitor_.steps = std::move(steps);
    visitor_.next = 0;
}

BrokerTest::Step BrokerTest::keys(std::function<bool()> ready, std::string text) {
    return {std::move(ready), [text] {
                uint32_t t = headless_now();
                uint32_t last = t;
                for (char c : text) {
                    headless_script(t, HEADLESS_KEY, static_cast<uint8_t>(c));
                    last = t;
                    t += 100;
                }
                return last;
            }};
}

BrokerTest::Step BrokerTest::click(std::function<bool()> ready, int32_t x, int32_t y) {
    return {std::move(ready), [x, y] {
                headless_script_click(headless_now(), x, y);
                return headless_now() + 60;  // the release
            }};
}

BrokerTest::Step BrokerTest::quit(std::function<bool()> ready) {
    return {std::move(ready), [] {
                g_quit = 1;
                return headless_now();
            }};
}

bool BrokerTest::message_box_up() {
    return gadget_listed(&g_message_ok_gadget);
}

bool BrokerTest::button_up(const char* label, int32_t x, int32_t y) {
    return button_labelled(label, x, y);
}

bool BrokerTest::field_active(uint16_t id) {
    return g_active_entry_field != nullptr && g_active_entry_field->id == id;
}

Ship* BrokerTest::add_ship(int32_t model, const char* name, int32_t condition, int32_t mortgage) {
    Ship* ship = new_ship();
    ship->ship_type = static_cast<int8_t>(model);
    std::snprintf(ship->name, sizeof ship->name, "%s", name);
    ship->condition = condition;
    ship->mortgage = mortgage;
    ship->port = g_shipowners[0].home_port;
    append_ship(&g_shipowners[0], ship);
    return ship;
}

int32_t BrokerTest::pixel(int32_t x, int32_t y) {
    return g_screen_buffer[y * SCREEN_WIDTH + x];
}

void BrokerTest::on_sleep(void* context) {
    auto* v = static_cast<Visitor*>(context);
    uint32_t now = headless_now();
    watchdog.check(now);
    if (now > GIVE_UP_MS) watchdog.give_up(now, "the plan stopped after step " + std::to_string(v->next));
    if (v->watch) v->watch();
    bool box = message_box_up();
    if (box && !v->box_was_up) v->boxes.push_back({g_message_ok_gadget.left, g_message_ok_gadget.top});
    v->box_was_up = box;
    if (v->next >= static_cast<int32_t>(v->steps.size())) return;
    // Each key must be taken by a poll before the next one is typed: the key store has one slot.
    if (headless_pending_events() != 0 || now - v->last_input < REACTION_MS) return;
    Step& step = v->steps[static_cast<size_t>(v->next)];
    if (step.ready && !step.ready()) return;
    ++v->next;
    v->last_input = step.act();
}
