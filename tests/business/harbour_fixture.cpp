#include "tests/harness/game_data.h"
#include "tests/business/harbour_fixture.h"

#include <cstdio>
#include <cstring>

#include "business/state_reset.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/save_stack.h"
#include "host/headless_host.h"
#include "tests/harness/give_up.h"
#include "tests/harness/harness.h"
#include "tests/harness/player_view.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "ui/state_reset.h"
#include "views/state_reset.h"
#include "world/records.h"
#include "world/state_reset.h"
#include "world/weather.h"

namespace {

// Far beyond any screen's animations: the game waits for a key nobody queued.
constexpr uint32_t GIVE_UP_MS = 10u * 60u * 1000u;
constexpr uint32_t REACTION_MS = 200;

// Gives up once the queue has stood empty for GIVE_UP_MS, not by the clock alone.
GiveUpWatch watchdog(0, "the screen waited for a key that was never typed");

char what_is_up() {
    if (gadget_listed(&g_message_ok_gadget)) return 'M';
    if (gadget_listed(&g_ask_yes_gadget)) return 'Q';
    if (gadget_listed(&g_letter_ok_gadget)) return 'L';
    if (g_active_entry_field != nullptr) return 'F';
    if (g_screen_button_last >= 0) return 'S';
    return '-';
}


}  // namespace

Books books_of(const Shipowner* o) {
    return Books{o->cash, o->income_shipping, o->income_sales, o->expenses_general, o->expenses_interest};
}

void HarbourTest::on_sleep(void* context) {
    auto* p = static_cast<Player*>(context);
    uint32_t now = headless_now();
    watchdog.check(now);
    if (p->queue.empty()) {
        if (now - p->typed_at > GIVE_UP_MS) watchdog.give_up(now, "seen " + p->seen);
        return;
    }
    if (g_key_slot.load() != 0 || headless_pending_events() != 0 || now - p->typed_at < REACTION_MS) return;
    // Keys wait for something that takes them: an animation or a blinking map comes first.
    char up = what_is_up();
    if (up == '-') return;
    p->seen.push_back(up);
    if (p->queue.front() == QUIT)
        g_quit = 1;
    else
        key_slot_store(p->queue.front());
    p->queue.pop_front();
    p->typed_at = now;
}

void HarbourTest::SetUp() {
    harness_start_engine();
    harness_load_game_data();
    screen_area_files_delete();
    world_state_reset();
    ui_state_reset();
    views_state_reset();
    business_state_reset();
    // Calm weather: the map under the harbour shows no storm numbers, whose places are drawn from
    // the same dice as the visit's.
    std::memset(g_wind_grid, 3, sizeof g_wind_grid);
    g_shipowner_count = 1;
    owner_ = &g_shipowners[0];
    std::snprintf(owner_->name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(owner_->company, RECORD_NAME_SIZE, "%s", "Nordsee");
    owner_->status = 5;
    owner_->home_port = 1;
    owner_->cash = 5000;
    watchdog.reset();
    headless_set_sleep_hook(&HarbourTest::on_sleep, &player_);
}

void HarbourTest::TearDown() {
    headless_set_sleep_hook(nullptr, nullptr);
    EXPECT_TRUE(player_.queue.empty()) << player_.queue.size() << " keys were never taken; seen " << player_.seen;
    world_state_reset();
    screen_area_files_delete();
    picture_files_close();
}

Ship* HarbourTest::add_ship(int32_t player, int32_t port, int32_t model, const char* name) {
    Ship* ship = new_ship();
    std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", name);
    ship->ship_type = static_cast<int8_t>(model);
    ship->condition = 10000;
    ship->port = static_cast<int8_t>(port);
    ship->harbour_map = static_cast<int8_t>(port - 1);
    ship->berth = 1;
    ship->fuel = 500;
    ship->allowed_days = 9999;
    append_ship(&g_shipowners[player], ship);
    return ship;
}

void HarbourTest::keys(const std::string& typed) {
    for (char c : typed) player_.queue.push_back(static_cast<uint8_t>(c));
}

void HarbourTest::key(uint32_t code) { player_.queue.push_back(code); }

void HarbourTest::seed(uint16_t value) {
    g_random_seed = value;
    g_random_counter = 0;
    g_random_value = 0;
}

int32_t HarbourTest::peek(int32_t index, const int32_t* los, const int32_t* his) {
    uint16_t s = g_random_seed, c = g_random_counter, v = g_random_value;
    int32_t result = 0;
    for (int32_t i = 0; i <= index; ++i) result = random_range(los[i], his[i]);
    g_random_seed = s;
    g_random_counter = c;
    g_random_value = v;
    return result;
}
