#include "tests/harness/game_data.h"
#include "tests/voyage/voyage_fixture.h"

#include <cstdio>

#include "business/state_reset.h"
#include "engine/font.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/save_stack.h"
#include "host/headless_host.h"
#include "tests/harness/give_up.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "ui/state_reset.h"
#include "views/state_reset.h"
#include "voyage/state_reset.h"
#include "world/records.h"
#include "world/state_reset.h"
#include "world/weather.h"

namespace {

// Every screen here is answered within seconds of virtual time; far beyond that the game waits
// for something the player does not type.
constexpr uint32_t GIVE_UP_MS = 10u * 60u * 1000u;
constexpr uint32_t KEY_SPACING_MS = 150;

GiveUpWatch watchdog(GIVE_UP_MS, "the screen waited for an answer the player did not give");

}  // namespace

RandomState RandomState::now() {
    return RandomState{g_random_seed, g_random_counter, g_random_value};
}

void RandomState::restore() const {
    g_random_seed = seed;
    g_random_counter = counter;
    g_random_value = value;
}

uint16_t find_seed(const std::function<bool()>& want) {
    RandomState saved = RandomState::now();
    uint16_t found = 0;
    for (uint32_t s = 1; s <= 0xFFFF && found == 0; ++s) {
        RandomState{static_cast<uint16_t>(s), 0, 0}.restore();
        if (want()) found = static_cast<uint16_t>(s);
    }
    saved.restore();
    return found;
}

void VoyageTest::on_sleep(void* context) {
    auto* p = static_cast<Player*>(context);
    uint32_t now = headless_now();
    watchdog.check(now);
    if (g_key_slot.load() != 0) return;
    if (p->typed_once && now - p->last_at < KEY_SPACING_MS) return;
    if (p->keys.empty() && !p->enter_after) return;
    uint32_t key = 13;
    if (!p->keys.empty()) {
        key = p->keys.front();
        p->keys.pop_front();
    }
    key_slot_store(key);
    p->last_at = now;
    p->typed_once = true;
    ++p->typed;
}

void VoyageTest::SetUp() {
    harness_start_engine();
    harness_load_game_data();
    screen_area_files_delete();
    world_state_reset();
    ui_state_reset();
    views_state_reset();
    business_state_reset();
    voyage_state_reset();

    g_shipowner_count = 1;
    owner_ = &g_shipowners[0];
    std::snprintf(owner_->name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(owner_->company, RECORD_NAME_SIZE, "%s", "Nordsee");
    owner_->status = 5;
    owner_->home_port = 1;
    owner_->cash = 1000;
    g_difficulty_allowance = 6000;
    for (auto& row : g_wind_grid)
        for (int8_t& force : row) force = 0;

    ship_ = new_ship();
    ASSERT_NE(ship_, nullptr);
    std::snprintf(ship_->name, RECORD_NAME_SIZE, "%s", "Aurora");
    ship_->ship_type = 5;
    ship_->condition = 10000;
    ship_->port = 1;
    ship_->harbour_map = 0;
    ship_->berth = 1;
    ship_->cargo = 3;
    ship_->route = 1;
    ship_->direction = 1;
    append_ship(owner_, ship_);
    watchdog.reset();
    headless_set_sleep_hook(&VoyageTest::on_sleep, &player_);
}

void VoyageTest::TearDown() {
    headless_set_sleep_hook(nullptr, nullptr);
    free_all_ships(SHIPOWNER_MAX);
    g_shipowner_count = 0;
    screen_area_files_delete();
    picture_files_close();
}

void VoyageTest::type_keys(const std::vector<uint32_t>& keys) {
    for (uint32_t k : keys) player_.keys.push_back(k);
}
