// The freight offer's arithmetic, case by case, and the charter market's rows, keys and frames.
#include <gtest/gtest.h>

#include "business/charter_market.h"
#include "business/freight_offer.h"
#include "business/visit_rolls.h"
#include "engine/frame.h"
#include "tests/business/harbour_fixture.h"
#include "tests/harness/case_name.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

struct OfferCase {
    const char* what;
    int32_t model;
    int32_t route;
    int32_t port;
    int32_t home_port;
    int32_t cargo;
    int32_t roll_deadline;
    int32_t roll_express;
    int32_t other_idle;  // more idle ships in the port, every second one of an eliminated shipowner
    int32_t freight_index;
    int32_t rate;
    int32_t penalty;
    int32_t allowed;
};

// Routes 1 (London - New York) and 2 (London - Alexandria) are set to 3600 nm. Model 3: 15000 t,
// 20 kn; model 1: 60000 t, 23 kn. London ships cargo 1 at 80 %, New York takes it at 100 %.
const OfferCase kOffers[] = {
    {"worked offer home port at one end", 3, 1, 1, 1, 1, 100, 0, 0, 1000, 46656, 0, NO_DEADLINE},
    {"worked offer express", 3, 1, 1, 1, 1, 100, 90, 0, 1000, 102643, 11404, 12},
    {"three idle ships away from home", 3, 1, 1, 2, 1, 100, 0, 2, 1000, 15552, 0, NO_DEADLINE},
    {"three idle ships away from home express", 3, 1, 1, 2, 1, 100, 179, 2, 1000, 34214, 3801, 12},
    {"alone in port away from home", 3, 1, 1, 2, 1, 100, 0, 0, 1000, 46656, 0, NO_DEADLINE},
    {"destination does not trade the cargo pays 119 percent", 3, 2, 1, 1, 3, 100, 0, 0, 1000, 86236, 0,
     NO_DEADLINE},
    {"destination supply 80 percent pays 90 over 80", 3, 1, 9, 1, 1, 100, 0, 0, 1000, 77456, 0, NO_DEADLINE},
    {"ballast pays nothing and has no deadline", 3, 1, 1, 1, 10, 100, 900, 0, 1000, 0, 0, NO_DEADLINE},
    {"no cargo pays nothing even when its roll matches", 3, 1, 1, 1, 0, 100, 0, 0, 1000, 0, 0, NO_DEADLINE},
    {"freight index 1180", 3, 1, 1, 1, 1, 100, 0, 0, 1180, 55054, 0, NO_DEADLINE},
    {"deadline at roll 999 with 23 knots", 1, 1, 1, 1, 1, 999, 179, 0, 1000, 410572, 45619, 14},
    {"deadline at roll 0 with 23 knots", 1, 1, 1, 1, 1, 0, 179, 0, 1000, 410572, 45619, 10},
    {"express roll 999 makes no cargo express", 3, 1, 1, 1, 1, 100, 999, 0, 1000, 46656, 0, NO_DEADLINE},
};

class FreightOffers : public HarbourTest, public testing::WithParamInterface<OfferCase> {};

TEST_P(FreightOffers, FollowTheOrderOfOperationsToTheDollar) {
    const OfferCase& c = GetParam();
    g_route_table[1].length = 3600;
    g_route_table[2].length = 3600;
    g_freight_index = c.freight_index;
    owner_->home_port = static_cast<int8_t>(c.home_port);
    g_shipowner_count = 2;
    g_shipowners[1].out_of_game = 1;
    Ship* ship = add_ship(0, c.port, c.model);
    for (int32_t i = 0; i < c.other_idle; ++i) {
        Ship* idle = add_ship(i % 2, c.port, 5, "Idle");
        if (i == 0) {
            idle->route = 3;  // chartered but still loading: not under way yet
            idle->direction = 0;
        }
    }
    Ship* under_way = add_ship(0, c.port, 5, "Away");
    under_way->route = 1;
    under_way->direction = 1;
    add_ship(1, c.port == 1 ? 2 : 1, 5, "Elsewhere");

    int32_t rolls[VISIT_ROLLS] = {};
    rolls[ROLL_DEADLINE] = c.roll_deadline;
    rolls[ROLL_EXPRESS] = c.roll_express;
    FreightOffer offer{};
    freight_offer_compute(owner_, ship, c.route, c.cargo, rolls, &offer);
    EXPECT_EQ(offer.rate, c.rate);
    EXPECT_EQ(offer.penalty, c.penalty);
    EXPECT_EQ(offer.allowed, c.allowed);

    ship->charter_days = 17;
    compute_freight_offer(0, owner_, ship, c.route, c.cargo, rolls);
    EXPECT_EQ(ship->freight, c.rate);
    EXPECT_EQ(ship->penalty_per_day, c.penalty);
    EXPECT_EQ(ship->allowed_days, c.allowed);
    EXPECT_EQ(ship->charter_days, 0);
    EXPECT_EQ(ship->route, 0) << "an offer is no charter yet";
}

INSTANTIATE_TEST_SUITE_P(Charter, FreightOffers, testing::ValuesIn(kOffers), CaseName());

TEST_F(HarbourTest, AtMostOneCargoOfAVisitIsExpressOnEveryRoute) {
    Ship* ship = add_ship(0, 9, 3);  // New York trades every cargo
    for (int32_t roll = 0; roll <= 999; roll += 7) {
        int32_t rolls[VISIT_ROLLS] = {};
        rolls[ROLL_EXPRESS] = roll;
        for (int32_t route : {1, 4, 5, 15, 17, 18, 45, 51}) {
            int32_t express = 0;
            for (int32_t cargo = 1; cargo <= 10; ++cargo) {
                FreightOffer offer{};
                freight_offer_compute(owner_, ship, route, cargo, rolls, &offer);
                if (offer.penalty > 0) ++express;
            }
            ASSERT_LE(express, 1) << "roll " << roll << " route " << route;
            if (roll / 90 == 0 || roll / 90 >= 10) {
                ASSERT_EQ(express, 0) << "roll " << roll;
            }
        }
    }
}

TEST_F(HarbourTest, TheOfferIsShownInItsBoxes) {
    Ship* ship = add_ship(0, 1, 3);
    g_route_table[1].length = 3600;
    int32_t rolls[VISIT_ROLLS] = {};
    rolls[ROLL_EXPRESS] = 90;
    std::fill(g_screen_buffer, g_screen_buffer + SCREEN_BYTES, 7);
    compute_freight_offer(0, owner_, ship, 1, 1, rolls);
    EXPECT_EQ(g_screen_buffer[150 * SCREEN_WIDTH + 26], 3);
    EXPECT_EQ(g_screen_buffer[199 * SCREEN_WIDTH + 140], 3);
    EXPECT_EQ(g_screen_buffer[170 * SCREEN_WIDTH + 145], 3);
    EXPECT_EQ(g_screen_buffer[184 * SCREEN_WIDTH + 308], 3);
    EXPECT_EQ(g_screen_buffer[185 * SCREEN_WIDTH + 308], 7);
    // Rate, deadline and penalty lines carry black text in the left box.
    for (int32_t y0 : {153, 168, 183}) {
        int32_t dark = 0;
        for (int32_t y = y0; y < y0 + 12; ++y)
            for (int32_t x = 29; x < 140; ++x) dark += g_screen_buffer[y * SCREEN_WIDTH + x] == 0;
        EXPECT_GT(dark, 10) << "line at " << y0;
    }
}

struct RowsCase {
    const char* what;
    int32_t port;
    int32_t all_rolls;
    std::vector<int32_t> routes;
    std::vector<int32_t> cargoes;
};

const RowsCase kRows[] = {
    {"London with every roll 0", 1, 0, {1, 2, 23, 53}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"London with every roll 999 offers only ballast", 1, 999, {1, 2, 23, 53}, {10}},
    {"London with every roll 500", 1, 500, {1, 2, 23, 53}, {1, 2, 3, 4, 6, 8, 10}},
    {"New York has eight routes", 9, 0, {1, 4, 5, 15, 17, 18, 45, 51}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"Point Hope trades only ballast", 18, 0, {34, 37}, {10}},
};

class CharterRowsTable : public HarbourTest, public testing::WithParamInterface<RowsCase> {};

TEST_P(CharterRowsTable, ListTheRoutesOfThePortAndTheCargoesItsRollsOffer) {
    const RowsCase& c = GetParam();
    Ship* ship = add_ship(0, c.port, 3);
    int32_t rolls[VISIT_ROLLS];
    for (int32_t& r : rolls) r = c.all_rolls;
    CharterRows rows{};
    build_charter_rows(ship, rolls, &rows);
    EXPECT_EQ(std::vector<int32_t>(rows.routes, rows.routes + rows.route_count), c.routes);
    EXPECT_EQ(std::vector<int32_t>(rows.cargoes, rows.cargoes + rows.cargo_count), c.cargoes);
}

INSTANTIATE_TEST_SUITE_P(Charter, CharterRowsTable, testing::ValuesIn(kRows), CaseName());

TEST(CharterLetters, TheEnglishRowPicksOffersAndZAlsoTheSixth) {
    const char* row = "qwertyuiop";
    for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(charter_letter_command(static_cast<uint8_t>(row[i])), 200 + i);
    EXPECT_EQ(charter_letter_command('z'), 205);
    EXPECT_EQ(charter_letter_command('a'), 0);
    EXPECT_EQ(charter_letter_command(13), 0);
    EXPECT_EQ(charter_letter_command(0), 0);
}

TEST_F(HarbourTest, SelectionFramesFillTheRowsAndFrameThem) {
    std::fill(g_screen_buffer, g_screen_buffer + SCREEN_BYTES, 7);
    draw_charter_selection_frames(2, 3, CHARTER_FRAME_SELECTED);
    auto at = [](int32_t x, int32_t y) { return g_screen_buffer[y * SCREEN_WIDTH + x]; };
    // Route row 2: (10, 45)-(139, 58); cargo row 3: (145, 60)-(304, 73).
    EXPECT_EQ(at(60, 50), 12);
    EXPECT_EQ(at(200, 66), 12);
    EXPECT_EQ(at(139, 58), 0);
    EXPECT_EQ(at(139, 46), 0);
    EXPECT_EQ(at(10, 45), 15);
    EXPECT_EQ(at(138, 45), 15);
    EXPECT_EQ(at(10, 58), 12) << "the corner below the light edge stays filled";
    EXPECT_EQ(at(304, 73), 0);
    EXPECT_EQ(at(145, 60), 15);
    EXPECT_EQ(at(9, 50), 7);
    EXPECT_EQ(at(305, 66), 7);
    draw_charter_selection_frames(2, 3, CHARTER_FRAME_NORMAL);
    EXPECT_EQ(at(60, 50), g_graphics_mode == 2 ? 3 : 9);
}

}  // namespace
