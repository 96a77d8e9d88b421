#include "world/state_reset.h"
#include "tests/game/game_file_fixture.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "world/game_file.h"
#include "tests/harness/harness.h"

void GameFileTest::SetUp() {
    harness_start_engine();
    base_blocks_ = ship_blocks_in_use();
    clear_game();
    std::filesystem::create_directory("games");
}

void GameFileTest::TearDown() {
    ship_alloc_fail_after(-1);
    clear_game();
    EXPECT_EQ(ship_blocks_in_use(), base_blocks_) << "ship blocks leaked";
    std::filesystem::remove_all("games");
}

void GameFileTest::clear_game() {
    world_state_reset();
}

void GameFileTest::make_known_game() {
    clear_game();
    g_difficulty = 2;
    g_difficulty_allowance = 4000;
    g_shipowner_count = 2;
    g_playing_duration = -1;
    g_game_spare = 0x12345678;
    g_day = 400;
    g_freight_index = 1043;
    g_ship_price_index = 987;
    g_daily_phase = 1200;
    const uint8_t styles[SHIPOWNER_MAX] = {2, 0, 3, 1};
    std::memcpy(g_office_style, styles, sizeof styles);
    g_sim_mode = 1;

    Shipowner& a = g_shipowners[0];
    a.status = 7;
    a.subsidy_status = 3;
    std::strcpy(a.name, "Hanna");
    std::strcpy(a.captain_name, "Hanna");
    std::strcpy(a.company, "Blue Star");
    a.home_port = 11;
    a.cash = 1234;
    a.income_shipping = 500;
    a.income_sales = 250;
    a.expenses_general = 3900;
    a.expenses_interest = 17;
    a.credit = 100;
    a.credit_rate = 12;
    a.office_neglect_days = 4;
    a.credit_days = 10;
    a.credit_period = 365;
    a.history_index = 3;
    a.net_worth_history[0] = 4100;
    a.net_worth_history[1] = 4200;
    a.net_worth_history[2] = -5;
    a.net_worth_history[3] = 70000;
    a.achievements = ACHIEVEMENT_ICEBERGS | achievement_harbour(1);

    Ship* s = new_ship();
    std::strcpy(s->name, "Albatros");
    s->ship_type = 3;
    s->condition = 9876;
    s->mortgage = 2000;
    s->mortgage_rate = 2;
    s->mortgage_days = 45;
    s->mortgage_period = 90;
    s->port = 11;
    s->lon = -1223;
    s->lat = 378;
    s->fuel = 2500;
    s->road_days = 2;
    s->costs_per_day = 3315;
    s->harbour_map = -1;
    append_ship(&a, s);

    Ship* t = new_ship();
    std::strcpy(t->name, "Kormoran");
    t->ship_type = 7;
    t->condition = 6010;
    t->mortgage_rate = 9;
    t->mortgage_period = 365;
    t->route = 29;
    t->cargo = 8;
    t->port = 14;
    t->lon = -1700;
    t->lat = 380;
    t->sailed_nm = 3210;
    t->direction = -1;
    t->freight = 1500000;
    t->penalty_per_day = 20000;
    t->allowed_days = 30;
    t->charter_days = 12;
    t->fuel = 800;
    t->speed = 14;
    t->fuel_per_day = 38;
    t->costs_per_day = 2633;
    t->voyage_flags = VOYAGE_STORM_MET | VOYAGE_INCIDENT_DONE;
    t->harbour_map = 13;
    t->berth = 2;
    t->smuggling_reward = 300;
    t->smuggling_kind = -2;
    append_ship(&a, t);

    Shipowner& b = g_shipowners[1];
    b.status = -1;
    b.subsidy_status = -1;
    std::strcpy(b.name, "Olaf");
    std::strcpy(b.captain_name, "Olaf");
    std::strcpy(b.company, "Nordlys");
    b.home_port = 3;
    b.out_of_game = 1;
    b.cash = 4100;
}

void GameFileTest::make_shipowner(int32_t index, int32_t ships) {
    Shipowner& o = g_shipowners[index];
    free_ships(&o);
    o = Shipowner{};
    o.status = index * 5 - 1;
    o.subsidy_status = -1;
    std::snprintf(o.name, sizeof o.name, "Owner %c", static_cast<char>('A' + index));
    std::snprintf(o.company, sizeof o.company, "Line %c", static_cast<char>('A' + index));
    o.home_port = static_cast<int8_t>(1 + index * 7);
    o.cash = 4100 - index * 333;
    o.history_index = 255 - index;
    for (int32_t i = 0; i < NET_WORTH_HISTORY; ++i) o.net_worth_history[i] = i * 1000 - index;
    for (int32_t k = 0; k < ships; ++k) {
        Ship* s = new_ship();
        std::snprintf(s->name, sizeof s->name, "Ship %c%c", static_cast<char>('A' + index),
                      static_cast<char>('a' + k % 26));
        s->ship_type = static_cast<int8_t>(1 + (k % 7));
        s->route = static_cast<int8_t>(1 + (index * 13 + k) % 55);
        s->direction = static_cast<int16_t>(k % 3 - 1);
        s->port = static_cast<int8_t>(1 + k % 28);
        s->condition = 10000 - k;
        s->lon = -1800 + k * 97;
        s->harbour_map = static_cast<int8_t>(k % 28 - 1);
        s->berth = static_cast<int8_t>(k % 4);
        append_ship(&o, s);
    }
}

std::string GameFileTest::game_bytes() {
    EXPECT_EQ(save_game_file("scratch.trp"), 0);
    std::string bytes = harness_read_file("scratch.trp");
    std::filesystem::remove("scratch.trp");
    return bytes;
}

std::string GameFileTest::known_game_file() {
    make_known_game();
    return game_bytes();
}

int32_t GameFileTest::ships_in_lists() {
    int32_t n = 0;
    for (const Shipowner& o : g_shipowners) n += ship_count(&o);
    return n;
}

void put_le32(std::string* bytes, uint32_t offset, uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) (*bytes)[offset + i] = static_cast<char>(v >> (8 * i));
}

uint32_t get_le32(const std::string& bytes, uint32_t offset) {
    uint32_t v = 0;
    for (int32_t i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    return v;
}
