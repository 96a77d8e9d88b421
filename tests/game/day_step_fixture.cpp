#include "game/state_reset.h"
#include "tests/harness/game_data.h"
#include "tests/game/day_step_fixture.h"

#include <cstdio>
#include <cstring>

#include "engine/font.h"
#include "engine/picture.h"
#include "engine/save_stack.h"
#include "game/day_step.h"
#include "game/elimination.h"
#include "game/main_procedure.h"
#include "world/records.h"
#include "world/sea_distance.h"
#include "world/weather.h"
#include "views/world_map.h"
#include "host/headless_host.h"
#include "tests/harness/give_up.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/screen_layout.h"

namespace {

// A day's letters and screens take a few seconds of virtual time each; far beyond that, the step
// waits for something the reader does not answer.
constexpr uint32_t GIVE_UP_MS = 20u * 60u * 1000u;
constexpr uint32_t REACTION_MS = 250;

GiveUpWatch watchdog(GIVE_UP_MS, "the day waited for an answer the reader could not give");

}  // namespace

void DayStepTest::on_sleep(void* context) {
    auto* r = static_cast<Reader*>(context);
    uint32_t now = headless_now();
    watchdog.check(now);
    if (headless_pending_events() != 0) return;
    if (r->answered && now - r->answered_at < REACTION_MS) return;
    Modal up = modal_up();
    if (up == Modal::letter) {
        ++r->letters;
    } else if (up == Modal::message_box) {
        ++r->boxes;
    } else if (up == Modal::question) {
        // A question is read before it is answered, as a player does.
        if (r->question_seen_at == 0) r->question_seen_at = now;
        if (now - r->question_seen_at < REACTION_MS) return;
        r->question_seen_at = 0;
        ++r->questions;
    } else if (up == Modal::buttons) {
        // Every screen is answered; the elimination screens are counted and their texts kept (a
        // bankrupt shipowner sees the property statistics and the possessions first).
        // The elimination screen's OK is its only button, at (250, 185); the others' stand at x 0.
        if (g_screen_button_last == 0 && g_screen_button_gadgets[0].left == 251) {
            ++r->screens;
            std::vector<std::string> texts;
            for (const ScreenText* t = g_elimination_texts; t->text != nullptr; ++t)
                texts.emplace_back(t->text);
            r->screen_texts.push_back(texts);
        } else {
            ++r->other_screens;
        }
    } else {
        return;
    }
    r->answered = true;
    r->answered_at = now;
    uint32_t key = 13;
    if (up != Modal::letter && !r->screen_keys.empty()) {
        key = r->screen_keys.front();
        r->screen_keys.erase(r->screen_keys.begin());
    }
    headless_script(now, HEADLESS_KEY, static_cast<int32_t>(key));
}

void DayStepTest::SetUp() {
    harness_start_engine();
    harness_load_game_data();
    screen_area_files_delete();
    all_state_reset();
    g_difficulty = 1;
    g_shipowner_count = 1;
    Shipowner& owner = g_shipowners[0];
    std::snprintf(owner.name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(owner.company, RECORD_NAME_SIZE, "%s", "Nordsee");
    owner.status = -1;
    owner.subsidy_status = -1;
    owner.home_port = 1;
    owner.cash = 4100;
    owner.credit_period = 30;
    watchdog.reset();
    headless_set_sleep_hook(&DayStepTest::on_sleep, &reader_);
}

void DayStepTest::TearDown() {
    headless_set_sleep_hook(nullptr, nullptr);
    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
    screen_area_files_delete();
    picture_files_close();
}

Ship* DayStepTest::add_ship(int32_t player, const char* name) {
    Ship* ship = new_ship();
    std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", name);
    ship->ship_type = 6;
    ship->condition = 10000;
    ship->port = 1;
    ship->harbour_map = 0;
    ship->mortgage_period = 30;
    ship->layup_days = 100;
    // This voyage's incident and icebergs are past, so its days roll no incident dice.
    ship->voyage_flags = VOYAGE_INCIDENT_DONE | VOYAGE_ICEBERGS_DONE;
    append_ship(&g_shipowners[player], ship);
    return ship;
}

void DayStepTest::credit_due(Shipowner* owner, int32_t credit, int32_t rate) {
    owner->credit = credit;
    owner->credit_rate = static_cast<int8_t>(rate);
    owner->credit_days = owner->credit_period;
}
