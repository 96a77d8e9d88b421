// The static world tables: column sums over the valid rows catch a mistyped value anywhere, a few
// whole rows pin the columns' order, and the name look-ups give the English texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "world/cargoes.h"
#include "world/ports.h"
#include "world/ship_types.h"

namespace {

template <class Row, class Field>
int64_t column_sum(const Row* table, int32_t first, int32_t last, Field field) {
    int64_t sum = 0;
    for (int32_t r = first; r <= last; ++r) sum += field(table[r]);
    return sum;
}

TEST(PortTable, ColumnSumsOverThePorts) {
    const PortInfo* t = g_port_table;
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.lon; }), -1071);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.lat; }), 5567);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.wage_percent; }), 2040);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.tug_price; }), 167);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.approach_days; }), 69);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.destination_factor; }), 1683);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.robbery_odds; }), 212);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.collision_odds; }), 175);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.war_zone_odds; }), 85);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.smuggling_percent; }), 711);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.smuggling_kind; }), 28);
    EXPECT_EQ(column_sum(t, 1, PORT_COUNT, [](const PortInfo& p) { return p.tug_strike_percent; }), 274);
    int64_t codes = 0, supply = 0;
    for (int32_t r = 1; r <= PORT_COUNT; ++r) {
        for (const PortTradeEntry& e : g_port_table[r].trade) {
            codes += e.trade_code;
            supply += e.supply_percent;
        }
    }
    EXPECT_EQ(codes, 802);
    EXPECT_EQ(supply, 24199);
}

TEST(PortTable, TradeCodesNameTheirOwnCargoAndEveryPortShipsBallast) {
    for (int32_t r = 0; r <= PORT_COUNT; ++r) {
        for (int32_t c = 1; c <= PORT_CARGOES; ++c) {
            int8_t code = g_port_table[r].trade[c - 1].trade_code;
            EXPECT_TRUE(code == 0 || code == c) << "port " << r << " cargo " << c;
        }
        EXPECT_EQ(g_port_table[r].trade[9].trade_code, 10) << "port " << r;
        EXPECT_EQ(g_port_table[r].trade[9].supply_percent, 0) << "port " << r;
    }
}

TEST(PortTable, SelectedRowsWhole) {
    const PortInfo& none = g_port_table[0];
    EXPECT_EQ(none.lon, 0);
    EXPECT_EQ(none.lat, 515);
    EXPECT_EQ(none.wage_percent, 98);
    EXPECT_EQ(none.tug_price, 100);
    EXPECT_EQ(none.approach_days, 2);
    EXPECT_EQ(none.destination_factor, 100);
    EXPECT_EQ(none.collision_odds, 20);
    EXPECT_EQ(none.tug_strike_percent, 20);
    EXPECT_EQ(none.robbery_odds + none.war_zone_odds + none.smuggling_percent + none.smuggling_kind, 0);
    for (int32_t c = 1; c <= 9; ++c) EXPECT_EQ(none.trade[c - 1].supply_percent, 100);

    const PortInfo& basrah = g_port_table[19];
    EXPECT_EQ(basrah.lon, 478);
    EXPECT_EQ(basrah.lat, 305);
    EXPECT_EQ(basrah.wage_percent, 78);
    EXPECT_EQ(basrah.tug_price, 10);
    EXPECT_EQ(basrah.approach_days, 5);
    EXPECT_EQ(basrah.destination_factor, 95);
    EXPECT_EQ(basrah.trade[0].trade_code, 1);
    EXPECT_EQ(basrah.trade[0].supply_percent, 90);
    EXPECT_EQ(basrah.robbery_odds, 25);
    EXPECT_EQ(basrah.collision_odds, 6);
    EXPECT_EQ(basrah.war_zone_odds, 75);
    EXPECT_EQ(basrah.smuggling_percent, 70);
    EXPECT_EQ(basrah.smuggling_kind, 3);
    EXPECT_EQ(basrah.tug_strike_percent, 15);

    const PortInfo& hong_kong = g_port_table[10];
    const PortTradeEntry expected[PORT_CARGOES] = {{0, 80},  {0, 0},  {0, 100}, {4, 100}, {5, 110},
                                                   {0, 100}, {7, 90}, {8, 114}, {0, 100}, {10, 0}};
    for (int32_t c = 0; c < PORT_CARGOES; ++c) {
        EXPECT_EQ(hong_kong.trade[c].trade_code, expected[c].trade_code) << "cargo " << c + 1;
        EXPECT_EQ(hong_kong.trade[c].supply_percent, expected[c].supply_percent) << "cargo " << c + 1;
    }
}

TEST(PortTable, NamesAreTheEnglishTexts) {
    EXPECT_STREQ(port_name(0), "---");
    EXPECT_STREQ(port_name(1), "London");
    EXPECT_STREQ(port_name(12), "Rio de Janeiro");
    EXPECT_STREQ(port_name(24), "Dar-es-Salaam");
    EXPECT_STREQ(port_name(28), "Houston");
    EXPECT_STREQ(port_name(-1), "");
    EXPECT_STREQ(port_name(29), "");
    for (int32_t a = 1; a <= PORT_COUNT; ++a)
        for (int32_t b = a + 1; b <= PORT_COUNT; ++b) EXPECT_STRNE(port_name(a), port_name(b));
}

TEST(ShipTypeTable, ColumnSumsAndTheDummyRow) {
    const ShipType* t = g_ship_type_table;
    const int32_t n = SHIP_TYPE_COUNT;
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.length_m; }), 1270);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.beam_m; }), 173);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.brt; }), 130000);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.capacity_t; }), 195000);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.engine_hp; }), 123000);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.vmax_kn; }), 127);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.price; }), 119000);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.fuel_g_per_hp_h; }), 1180);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.wear_per_day; }), 25);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.no_handling_days; }), 1);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.costs_per_day; }), 33572);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.bunker_t; }), 25000);
    EXPECT_EQ(column_sum(t, 1, n, [](const ShipType& s) { return s.handling_days; }), 16);

    const ShipType& dummy = g_ship_type_table[0];
    EXPECT_STREQ(dummy.name, "Dummy");
    EXPECT_EQ(dummy.length_m + dummy.beam_m + dummy.brt + dummy.capacity_t + dummy.engine_hp + dummy.vmax_kn +
                  dummy.price + dummy.fuel_g_per_hp_h + dummy.wear_per_day + dummy.no_handling_days +
                  dummy.costs_per_day + dummy.bunker_t + dummy.handling_days,
              0);
    EXPECT_STREQ(g_ship_type_table[1].name, "RORO/LOLO");
    for (int32_t m = 2; m <= n; ++m) EXPECT_STREQ(g_ship_type_table[m].name, "MP-Freighter");
    // Model 6 whole: the oldest large freighter.
    const ShipType& six = g_ship_type_table[6];
    EXPECT_EQ(six.length_m, 190);
    EXPECT_EQ(six.engine_hp, 14000);
    EXPECT_EQ(six.vmax_kn, 15);
    EXPECT_EQ(six.price, 2000);
    EXPECT_EQ(six.fuel_g_per_hp_h, 200);
    EXPECT_EQ(six.wear_per_day, 8);
    EXPECT_EQ(six.costs_per_day, 3326);
    EXPECT_EQ(six.bunker_t, 3000);
    EXPECT_EQ(six.handling_days, 4);
}

TEST(CargoTable, ColumnSumsAndNames) {
    const CargoType* t = g_cargo_table;
    EXPECT_EQ(column_sum(t, 0, CARGO_COUNT, [](const CargoType& c) { return c.freight_rate; }), 326);
    EXPECT_EQ(column_sum(t, 0, CARGO_COUNT, [](const CargoType& c) { return c.extra_wear_percent; }), 110);
    EXPECT_EQ(column_sum(t, 0, CARGO_COUNT, [](const CargoType& c) { return c.offer_chance; }), 659);
    EXPECT_EQ(g_cargo_table[6].extra_wear_percent, 100);
    EXPECT_EQ(g_cargo_table[7].extra_wear_percent, 10);
    EXPECT_EQ(g_cargo_table[9].freight_rate, 70);
    EXPECT_EQ(g_cargo_table[8].offer_chance, 99);

    const char* names[CARGO_COUNT + 1] = {"---",       "Agric.Produce", "NF-Metals", "Metalware",
                                          "Machinery", "Electronics",   "Chemicals", "Plastics Prod.",
                                          "Textiles",  "Arms",          "Ballast"};
    for (int32_t r = 0; r <= CARGO_COUNT; ++r) EXPECT_STREQ(cargo_name(r), names[r]) << "row " << r;
    EXPECT_STREQ(cargo_name(CARGO_BALLAST), "Ballast");
    EXPECT_STREQ(cargo_name(11), "");
}

}  // namespace
