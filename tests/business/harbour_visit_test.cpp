// The harbour visit: the voyage's settlement booked in whole k$, contraband, customs and bribes,
// detention, the harbour menu and the departure, with the visit's dice drawn before anything else.
#include <gtest/gtest.h>

#include <vector>

#include "business/charter_market.h"
#include "business/contraband.h"
#include "business/freight_offer.h"
#include "business/harbour_report.h"
#include "business/harbour_services.h"
#include "business/harbour_visit.h"
#include "business/visit_rolls.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/random.h"
#include "tests/business/harbour_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "world/cargoes.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/weather.h"
#include "views/world_map.h"

namespace {

// A ship arriving in London from New York on route 1 with a charter, lying in port.
Ship* arrive(HarbourTest* /*t*/, Ship* ship, int32_t freight) {
    ship->route = 1;
    ship->cargo = 1;
    ship->direction = 0;
    ship->freight = freight;
    ship->speed = 14;
    ship->sailed_nm = 3600;
    ship->voyage_flags = VOYAGE_STORM_MET | VOYAGE_ICEBERGS_DONE;
    return ship;
}

void expect_left_port_clean(const Ship* ship) {
    EXPECT_EQ(ship->speed, 0);
    EXPECT_EQ(ship->sailed_nm, 0);
    EXPECT_EQ(ship->voyage_flags, 0);
}

// The draws random_range(0, 999) x 31, then the ranges given, from the generator as it stands.
std::vector<int32_t> predict(std::vector<std::pair<int32_t, int32_t>> after) {
    uint16_t s = g_random_seed, c = g_random_counter, v = g_random_value;
    std::vector<int32_t> out;
    for (int32_t i = 0; i < VISIT_ROLLS; ++i) out.push_back(random_range(0, 999));
    for (auto [lo, hi] : after) out.push_back(random_range(lo, hi));
    g_random_seed = s;
    g_random_counter = c;
    g_random_value = v;
    return out;
}

// ---- Settlement: freight and the late fine in whole k$ ---------------------------------------

struct SettleCase {
    const char* what;
    int32_t freight;
    int32_t charter_days;
    int32_t allowed;
    int32_t penalty;
    int32_t result;
    int32_t cash_delta;
    int32_t income_delta;
    int32_t expenses_delta;
    bool fined;
};

const SettleCase kSettle[] = {
    {"freight of 999 dollars books nothing but shows 999", 999, 3, 9999, 0, 999, 0, 0, 0, false},
    {"worked freight books 46 k", 46656, 7, 9999, 0, 46656, 46, 46, 0, false},
    {"on time express is not fined", 102643, 12, 12, 11404, 102643, 102, 102, 0, false},
    {"three days late", 102643, 15, 12, 11404, 102643 - 34212, 102 - 34, 102, 34, true},
    {"late without a penalty is never fined", 46656, 20000, 9999, 0, 46656, 46, 46, 0, false},
    {"late with penalty 0 and a deadline", 46656, 30, 12, 0, 46656, 46, 46, 0, false},
    {"ballast late shows a loss", 0, 13, 12, 1500, -1500, -1, 0, 1, true},
    {"a fine of 999 dollars books nothing", 5000, 13, 12, 999, 4001, 5, 5, 0, true},
};

class Settlement : public HarbourTest, public testing::WithParamInterface<SettleCase> {};

TEST_P(Settlement, BooksFreightAndFineTruncatedToWholeThousands) {
    const SettleCase& c = GetParam();
    Ship* ship = add_ship(0, 1, 3);
    ship->freight = c.freight;
    ship->charter_days = c.charter_days;
    ship->allowed_days = c.allowed;
    ship->penalty_per_day = c.penalty;
    if (c.fined) key(13);
    Books before = books_of(owner_);
    EXPECT_EQ(settle_freight(owner_, ship), c.result);
    Books after = books_of(owner_);
    EXPECT_EQ(after.cash - before.cash, c.cash_delta);
    EXPECT_EQ(after.income_shipping - before.income_shipping, c.income_delta);
    EXPECT_EQ(after.expenses_general - before.expenses_general, c.expenses_delta);
    EXPECT_EQ(after.income_sales, before.income_sales);
    EXPECT_EQ(after.expenses_interest, before.expenses_interest);
    EXPECT_EQ(ship->freight, 0);
    EXPECT_EQ(ship->penalty_per_day, c.fined ? 0 : c.penalty);
    EXPECT_EQ(seen(), c.fined ? "M" : "");
}

INSTANTIATE_TEST_SUITE_P(Visit, Settlement, testing::ValuesIn(kSettle), CaseName());

// ---- The whole visit ---------------------------------------------------------------------------

TEST_F(HarbourTest, AVoyageIsSettledAndTheShipLeavesOnTheChartersOfTheVisitsRolls) {
    seed(4711);
    Ship* ship = arrive(this, add_ship(0, 1, 3), 46656);
    std::vector<int32_t> rolls = predict({});
    CharterRows rows{};
    build_charter_rows(ship, rolls.data(), &rows);
    ASSERT_GE(rows.cargo_count, 2);

    keys("2");  // bunker
    keys("1");  // full
    key(13);    // Ready
    keys("3");  // the charter market
    keys("2w");  // route row 1, cargo row 1
    key(13);    // OK
    key(13);    // depart
    Books before = books_of(owner_);
    int32_t fuel_before = ship->fuel;
    run_harbour_visit(0, owner_, ship);
    // The 31 rolls and London's smuggling draw at the departure, nothing else.
    EXPECT_EQ(g_random_counter, VISIT_ROLLS + 1);

    int32_t bunker_cost = (3000 - fuel_before) * bunker_price(rolls[ROLL_FUEL_PRICE]) / 1000;
    Books after = books_of(owner_);
    EXPECT_EQ(after.cash - before.cash, 46 - bunker_cost);
    EXPECT_EQ(after.income_shipping - before.income_shipping, 46);
    EXPECT_EQ(after.expenses_general - before.expenses_general, bunker_cost);
    EXPECT_EQ(ship->fuel, 3000);

    FreightOffer offer{};
    Ship copy = *ship;
    copy.route = 0;
    copy.direction = 0;
    freight_offer_compute(owner_, &copy, rows.routes[1], rows.cargoes[1], rolls.data(), &offer);
    EXPECT_EQ(ship->route, rows.routes[1]);
    EXPECT_EQ(ship->cargo, rows.cargoes[1]);
    EXPECT_EQ(ship->freight, offer.rate);
    EXPECT_EQ(ship->allowed_days, offer.allowed);
    EXPECT_EQ(ship->penalty_per_day, offer.penalty);
    EXPECT_EQ(ship->direction, ship->port == g_route_table[ship->route].port_b ? -1 : 1);
    EXPECT_EQ(ship->loading_days, 1);
    expect_left_port_clean(ship);
}

TEST_F(HarbourTest, DepartingWithoutACharterIsRefusedAndTheMenuStays) {
    Ship* ship = add_ship(0, 1, 3);
    key(13);     // depart: refused
    key(13);     // the message
    keys("4");   // lay up
    key(13);     // the field
    key(13);     // ok
    Books before = books_of(owner_);
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(seen().substr(0, 3), "SMS");
    EXPECT_EQ(ship->layup_days, 1);
    EXPECT_EQ(ship->direction, 0);
    EXPECT_EQ(books_of(owner_).cash, before.cash);
}

TEST_F(HarbourTest, CancellingTheMarketDropsACharterTakenEarlierInTheVisit) {
    Ship* ship = add_ship(0, 1, 3);
    keys("3");
    key(13);  // a charter on the first rows
    keys("3");
    keys("c");  // cancelled on reopening
    key(13);    // depart: refused, no charter
    key(13);
    keys("4");
    key(13);
    key(13);
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(ship->route, 0);
    EXPECT_EQ(seen().substr(0, 6), "SSSSSM");
}

TEST_F(HarbourTest, TheMarketReopensOnTheLastRowsAndALetterWithoutARowDoesNothing) {
    Ship* ship = add_ship(0, 18, 3);  // Point Hope: two routes, ballast only
    keys("3");
    keys("2");  // route row 1
    keys("w");  // no second cargo row
    key(13);
    keys("3");
    key(13);  // reopened: still route row 1
    key(13);  // depart
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(ship->route, 37);
    EXPECT_EQ(ship->cargo, CARGO_BALLAST);
    EXPECT_EQ(ship->freight, 0);
    EXPECT_EQ(ship->allowed_days, NO_DEADLINE);
}

TEST_F(HarbourTest, LetterKeysThatAreYesKeysPickCargoRowsInTheMarket) {
    Ship* ship = add_ship(0, 9, 3);  // New York trades everything
    int32_t rolls[VISIT_ROLLS] = {};
    keys("y");  // cargo row 5, not OK
    keys("o");  // cargo row 8
    key(13);
    int32_t route_row = 0;
    int32_t cargo_row = 0;
    charter_offer_dialog(0, owner_, ship, rolls, &route_row, &cargo_row);
    EXPECT_EQ(cargo_row, 8);
    EXPECT_EQ(ship->cargo, 9);
    EXPECT_EQ(seen(), "SSS");
}

TEST_F(HarbourTest, ALateExpressIsFinedOnArrival) {
    Ship* ship = arrive(this, add_ship(0, 1, 3), 102643);
    ship->allowed_days = 12;
    ship->charter_days = 15;
    ship->penalty_per_day = 11404;
    key(13);  // the fine
    keys("4");
    key(13);
    key(13);
    Books before = books_of(owner_);
    run_harbour_visit(0, owner_, ship);
    Books after = books_of(owner_);
    EXPECT_EQ(after.cash - before.cash, 102 - 34);
    EXPECT_EQ(after.income_shipping - before.income_shipping, 102);
    EXPECT_EQ(after.expenses_general - before.expenses_general, 34);
    EXPECT_EQ(ship->penalty_per_day, 0);
    EXPECT_EQ(ship->route, 0);
    EXPECT_EQ(seen()[0], 'M');
}

// ---- Contraband on arrival ---------------------------------------------------------------------

enum Outcome { PAID, CRUISER, CUSTOMS, SUSPICION };

Outcome outcome_of(const std::vector<int32_t>& d) {
    if (d[VISIT_ROLLS] >= 4) return PAID;
    int32_t caught = d[VISIT_ROLLS + 1];
    return caught == 0 ? CRUISER : caught == 1 ? CUSTOMS : SUSPICION;
}

TEST_F(HarbourTest, ContrabandIsDecidedByTheDrawsAfterTheThirtyOneRolls) {
    bool met[4] = {};
    for (uint16_t s = 1; s <= 40; ++s) {
        free_ships(owner_);
        owner_->cash = 5000;
        owner_->income_shipping = owner_->expenses_general = 0;
        Ship* ship = arrive(this, add_ship(0, 1, 3), 10000);
        ship->smuggling_reward = 70;
        ship->smuggling_kind = 2;
        seed(s);
        Outcome o = outcome_of(predict({{0, 10}, {0, 3}}));
        met[o] = true;
        switch (o) {
            case PAID: keys("4"), key(13), key(13); break;
            case CRUISER: key(13), key(13); break;
            case CUSTOMS: key(13), keys("4"), key(13), key(13); break;
            case SUSPICION: keys("n"), key(13); break;
        }
        run_harbour_visit(0, owner_, ship);
        SCOPED_TRACE(testing::Message() << "seed " << s << " outcome " << o);
        int32_t cash = 5000 + 10 + (o == PAID ? 70 : 0) - (o == CUSTOMS ? 200 : 0);
        EXPECT_EQ(owner_->cash, cash);
        EXPECT_EQ(owner_->income_shipping, 10 + (o == PAID ? 70 : 0));
        EXPECT_EQ(owner_->expenses_general, o == CUSTOMS ? 200 : 0);
        EXPECT_EQ(ship->smuggling_reward, 0);
        EXPECT_EQ(ship->smuggling_kind, o == CRUISER ? 2 : o == SUSPICION ? -2 : 0);
        EXPECT_EQ(ship->layup_days, o == CRUISER || o == SUSPICION ? 10 : 1);
        EXPECT_EQ(ship->route, 0);
        expect_left_port_clean(ship);
    }
    for (bool m : met) EXPECT_TRUE(m) << "forty seeds meet every outcome";
}

struct BribeCase {
    const char* what;
    bool charter;          // arriving on a charter with contraband, else suspected without one
    std::vector<uint32_t> answer;  // the question's answer and the bribe screen's key
    bool lucky;            // the 50 % draw of the 50.000 $ bribe falls below 50
    bool released;
    int32_t paid;
    bool detained;
    bool no_effect;
};

const uint32_t ESC = 27;

const BribeCase kBribes[] = {
    {"refused question on arrival", true, {'n'}, false, false, 0, true, false},
    {"100000 on arrival releases", true, {'y', '1'}, false, true, 100, false, false},
    {"50000 on arrival with luck", true, {'y', '2'}, true, true, 50, false, false},
    {"50000 on arrival without luck", true, {'y', '2'}, false, false, 0, true, false},
    {"10000 on arrival is too little", true, {'y', '3'}, false, false, 0, true, false},
    {"reject on arrival", true, {'y', 13}, false, false, 0, true, false},
    {"escape on arrival changes nothing", true, {'y', ESC}, false, false, 0, false, true},
    {"space on arrival changes nothing", true, {'y', ' '}, false, false, 0, false, true},
    {"refused question without a charter", false, {'n'}, false, false, 0, true, false},
    {"100000 without a charter", false, {'y', '1'}, false, true, 100, false, false},
    {"50000 without a charter with luck", false, {'y', '2'}, true, true, 50, false, false},
    {"50000 without a charter without luck", false, {'y', '2'}, false, false, 0, true, false},
    {"reject without a charter", false, {'y', 13}, false, false, 0, true, false},
    {"escape without a charter changes nothing", false, {'y', ESC}, false, false, 0, false, true},
    {"quit on the bribe screen changes nothing", false, {'y', HarbourTest::QUIT}, false, false, 0, false, true},
};

class Bribes : public HarbourTest, public testing::WithParamInterface<BribeCase> {};

TEST_P(Bribes, ReleaseDetainOrChangeNothing) {
    const BribeCase& c = GetParam();
    Ship* ship = add_ship(0, 1, 3);
    if (c.charter) {
        arrive(this, ship, 10000);
        ship->smuggling_reward = 70;
        ship->smuggling_kind = 2;
    } else {
        ship->smuggling_kind = -2;
    }
    // A seed whose draws lead to the suspicion question (on arrival) and give the 50 % draw the
    // luck the case wants.
    uint16_t s = 1;
    for (;; ++s) {
        seed(s);
        std::vector<int32_t> d = c.charter ? predict({{0, 10}, {0, 3}, {0, 100}}) : predict({{0, 100}});
        if (c.charter && outcome_of(d) != SUSPICION) continue;
        if ((d.back() < 50) == c.lucky) break;
    }
    seed(s);
    for (uint32_t k : c.answer) key(k);
    if (c.released) key(13);  // "Your ship has been released."
    if (c.detained) {
        key(13);  // the detention's OK
    } else if (c.answer.back() != HarbourTest::QUIT) {
        keys("4"), key(13), key(13);  // lay up for a day
    }
    int32_t kind_before = ship->smuggling_kind;
    int32_t reward_before = ship->smuggling_reward;
    Books before = books_of(owner_);
    run_harbour_visit(0, owner_, ship);
    Books after = books_of(owner_);

    int32_t freight = c.charter ? 10 : 0;
    EXPECT_EQ(after.cash - before.cash, freight - c.paid);
    EXPECT_EQ(after.expenses_general - before.expenses_general, c.paid);
    EXPECT_EQ(after.income_shipping - before.income_shipping, freight);
    if (c.no_effect) {
        EXPECT_EQ(ship->smuggling_kind, kind_before);
        EXPECT_EQ(ship->smuggling_reward, reward_before);
    } else if (c.released || !c.charter) {
        EXPECT_EQ(ship->smuggling_kind, 0);
        EXPECT_EQ(ship->smuggling_reward, 0);
    } else {
        EXPECT_EQ(ship->smuggling_kind, -2);
        EXPECT_EQ(ship->smuggling_reward, 0);
    }
    int32_t layup = c.detained ? (c.charter ? 10 : 40) : (c.answer.back() == HarbourTest::QUIT ? 0 : 1);
    EXPECT_EQ(ship->layup_days, layup);
    expect_left_port_clean(ship);
}

INSTANTIATE_TEST_SUITE_P(Visit, Bribes, testing::ValuesIn(kBribes), CaseName());

TEST_F(HarbourTest, ASuspectedShipWithACharterPassesUncheckedAndMeetsTheQuestionLater) {
    Ship* ship = arrive(this, add_ship(0, 1, 3), 10000);
    ship->smuggling_kind = -1;
    keys("4"), key(13), key(13);
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(ship->smuggling_kind, -1);
    EXPECT_EQ(seen()[0], 'S') << "no question on arrival";

    ship->layup_days = 0;
    keys("n"), key(13);  // refused: long detention
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(ship->smuggling_kind, 0);
    EXPECT_EQ(ship->layup_days, 40);
    EXPECT_EQ(seen().substr(3), "QS");
}

TEST_F(HarbourTest, AfterTheCruiserTheNextVisitWithoutACharterIsFined) {
    Ship* ship = add_ship(0, 1, 3);
    ship->smuggling_kind = 3;
    ship->smuggling_reward = 0;
    key(13);  // "Fine: 100,000 $."
    keys("4"), key(13), key(13);
    Books before = books_of(owner_);
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(books_of(owner_).cash, before.cash - 100);
    EXPECT_EQ(books_of(owner_).expenses_general, before.expenses_general + 100);
    EXPECT_EQ(ship->smuggling_kind, 0);
    EXPECT_EQ(seen()[0], 'M');
}

TEST_F(HarbourTest, QuitDuringTheMenuEndsTheVisitWithItsLastStep) {
    Ship* ship = arrive(this, add_ship(0, 1, 3), 10000);
    key(HarbourTest::QUIT);
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(ship->route, 0);
    expect_left_port_clean(ship);
}

// ---- The smuggling offer at the departure --------------------------------------------------

struct OfferCaseS {
    const char* what;
    int32_t port;
    std::vector<uint32_t> answers;
    int32_t insist;  // -1 any, 0 below 50, 1 at or above 50
    int32_t raise;   // -1 any, 0 below 90, 1 at or above 90
    int32_t reward;
    int32_t kind;
    const char* seen;
};

const OfferCaseS kOffersS[] = {
    {"fire arms taken at once", 19, {'y', 'y'}, -1, -1, 500, 3, "QQ"},
    {"fire arms taken when doubled", 19, {'y', 'n', 'y'}, -1, 0, 1000, 3, "QQQ"},
    {"fire arms refused twice", 19, {'y', 'n', 'n'}, -1, 0, 0, -1, "QQQ"},
    {"no second offer above 89", 19, {'y', 'n'}, -1, 1, 0, -1, "QQ"},
    {"not interested what a pity", 19, {'n', 13}, 0, -1, 0, -1, "QM"},
    {"money changes the mind", 19, {'n', 'y', 'y'}, 1, -1, 500, 3, "QQQ"},
    {"money does not change it", 19, {'n', 'n'}, 1, -1, 0, -1, "QQ"},
    {"suit case in Rotterdam", 2, {'y', 'y'}, -1, -1, 20, 1, "QQ"},
    {"chest in Lagos doubled", 7, {'y', 'n', 'y'}, -1, 0, 140, 2, "QQQ"},
};

class SmugglingOffer : public HarbourTest, public testing::WithParamInterface<OfferCaseS> {};

TEST_P(SmugglingOffer, LoadsContrabandOnlyWhenTaken) {
    const OfferCaseS& c = GetParam();
    Ship* ship = add_ship(0, c.port, 3);
    ship->smuggling_kind = -2;  // a suspected ship: a taken offer overwrites the kind
    const PortInfo& port = g_port_table[c.port];
    bool first_yes = c.answers[0] == 'y';
    uint16_t s = 1;
    for (;; ++s) {
        seed(s);
        int32_t los[3] = {0, 0, 0};
        int32_t his[3] = {100, 100, 100};
        if (peek(0, los, his) >= port.smuggling_percent) continue;
        int32_t next = 1;
        if (!first_yes) {
            int32_t insist = peek(1, los, his);
            if (c.insist == 0 && insist >= 50) continue;
            if (c.insist == 1 && insist < 50) continue;
            next = 2;
        }
        if (c.raise >= 0 && c.insist != 0) {
            int32_t raise = peek(next, los, his);
            if ((raise >= 90) != (c.raise == 1)) continue;
        }
        break;
    }
    seed(s);
    for (uint32_t k : c.answers) key(k);
    smuggling_offer(ship);
    EXPECT_EQ(seen(), c.seen);
    EXPECT_EQ(ship->smuggling_reward, c.reward);
    EXPECT_EQ(ship->smuggling_kind, c.kind == -1 ? -2 : c.kind);
}

INSTANTIATE_TEST_SUITE_P(Departure, SmugglingOffer, testing::ValuesIn(kOffersS), CaseName());

TEST_F(HarbourTest, APortWithoutSmugglersDrawsOnceAndAsksNothing) {
    Ship* ship = add_ship(0, 1, 3);
    seed(9);
    smuggling_offer(ship);
    EXPECT_EQ(g_random_counter, 1);
    EXPECT_EQ(seen(), "");
    EXPECT_EQ(ship->smuggling_reward, 0);
}

// ---- The harbour screen ------------------------------------------------------------------------

struct CornerCase {
    const char* what;
    int32_t port;
    int32_t has_view;
    int32_t x;
    int32_t y;
};

const CornerCase kCorners[] = {
    {"London", 1, 1, 0, 134},        {"Hamburg", 3, 1, 186, 134},     {"Marseilles", 4, 1, 0, 67},
    {"Jebel Dhanna", 8, 1, 93, 0},   {"New York has none", 9, 0, 0, 0}, {"Hong Kong", 10, 1, 186, 0},
    {"San Francisco", 11, 1, 0, 134}, {"Basrah", 19, 1, 186, 0},      {"Pearl Harbor", 20, 1, 0, 134},
    {"Houston", 28, 1, 186, 0},      {"beyond the table", 29, 1, 0, 0},
};

class PortViews : public HarbourTest, public testing::WithParamInterface<CornerCase> {};

TEST_P(PortViews, LieInTheirGridCell) {
    const CornerCase& c = GetParam();
    int32_t x = -1;
    int32_t y = -1;
    EXPECT_EQ(port_view_corner(c.port, &x, &y), c.has_view);
    if (c.has_view != 0) {
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Harbour, PortViews, testing::ValuesIn(kCorners), CaseName());

TEST_F(HarbourTest, TheViewIsCopiedIntoTheSheetExceptInNewYork) {
    for (int32_t port : {1, 9, 27}) {
        Ship* ship = add_ship(0, port, 3);
        show_port_picture(ship);
        int32_t sx = 0;
        int32_t sy = 0;
        int32_t has = port_view_corner(port, &sx, &sy);
        draw_port_view_and_info(ship);
        int32_t differ = 0;
        for (int32_t y = 0; y < PORT_VIEW_H; ++y)
            for (int32_t x = 0; x < PORT_VIEW_W; ++x) {
                int32_t expected = has != 0 ? g_background_buffer[(sy + y) * SCREEN_WIDTH + sx + x]
                                            : g_sheet_buffer[(PORT_VIEW_Y + y) * SCREEN_WIDTH + PORT_VIEW_X + x];
                differ += g_screen_buffer[(PORT_VIEW_Y + y) * SCREEN_WIDTH + PORT_VIEW_X + x] != expected;
            }
        EXPECT_EQ(differ, 0) << "port " << port;
        // The sheet shows elsewhere.
        EXPECT_EQ(g_screen_buffer[5 * SCREEN_WIDTH + 300], g_sheet_buffer[5 * SCREEN_WIDTH + 300]);
    }
}

TEST_F(HarbourTest, EveryPortDescriptionHasEightLinesThatFitThePanel) {
    for (int32_t port = 1; port <= PORT_COUNT; ++port) {
        for (int32_t k = 0; k < PORT_INFO_LINES; ++k) {
            const char* line = lang_text(g_port_info_texts[port][k]);
            EXPECT_LE(font_text_width(&g_font_sys7b, line), 156) << port_name(port) << " line " << k << ": " << line;
            if (k == 2)
                EXPECT_STREQ(line, " ") << "the rule falls on the third line";
            else
                EXPECT_GT(std::string(line).size(), 1u) << port_name(port) << " line " << k;
        }
    }
    EXPECT_LE(font_text_width(&g_font_sys7b, lang_text(TXT_HV_INFO_RULE)), 156);
}

TEST_F(HarbourTest, TheArrivalReportNamesTheVoyageAndTheAccount) {
    Ship* ship = add_ship(0, 1, 3);
    ship->condition = 7550;
    ship->fuel = 1234;
    owner_->cash = -1950;
    ArrivalReport report{};
    arrival_report_start(owner_, ship, &report);
    EXPECT_STREQ(report.company, "Company: Nordsee");
    EXPECT_STREQ(report.ship, "Ship: Aurora");
    EXPECT_STREQ(report.from, " ");
    EXPECT_STREQ(report.cash, " $-2.0 million");
    EXPECT_STREQ(report.condition, "Ship Condition: 75%");
    EXPECT_STREQ(report.fuel, "Fuel: 1234t");
    for (const char* line : {report.company, report.ship, report.cash, report.condition, report.fuel})
        EXPECT_LE(font_text_width(&g_font_sys7b, line), 165) << line;
}

}  // namespace

namespace {

// The random-draw trace of a visit: the map's storm numbers, then the 31 rolls, then the draws of
// the settlement and the departure, and nothing else.
TEST_F(HarbourTest, TheMapsStormNumbersAreDrawnBeforeTheVisitsRolls) {
    g_wind_grid[1][5] = 9;
    g_wind_grid[4][10] = 8;
    uint16_t before = g_random_counter;
    draw_storm_areas();
    int32_t storm_draws = static_cast<uint16_t>(g_random_counter - before);
    ASSERT_GT(storm_draws, 0);

    Ship* ship = arrive(this, add_ship(0, 1, 3), 20000);
    ship->smuggling_reward = 20;
    ship->smuggling_kind = 1;
    uint16_t s = 1;
    std::vector<int32_t> rolls;
    for (;; ++s) {
        seed(s);
        for (int32_t i = 0; i < storm_draws; ++i) random_range(-2, 2);
        std::vector<int32_t> d = predict({{0, 10}});
        if (d[VISIT_ROLLS] >= 4) {  // the suit case is delivered: no questions
            rolls.assign(d.begin(), d.begin() + VISIT_ROLLS);
            break;
        }
    }
    seed(s);
    keys("3");
    key(13);
    key(13);
    run_harbour_visit(0, owner_, ship);
    EXPECT_EQ(g_random_counter, storm_draws + VISIT_ROLLS + 1 + 1);
    EXPECT_EQ(ship->smuggling_reward, 0);
    CharterRows rows{};
    Ship copy = *ship;
    copy.direction = 0;
    build_charter_rows(&copy, rolls.data(), &rows);
    FreightOffer offer{};
    freight_offer_compute(owner_, &copy, rows.routes[0], rows.cargoes[0], rolls.data(), &offer);
    EXPECT_EQ(ship->freight, offer.rate);
    EXPECT_EQ(ship->allowed_days, offer.allowed);
}

}  // namespace
