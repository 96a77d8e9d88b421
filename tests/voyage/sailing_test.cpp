// Sailing the charts: the automatic pilot, steering only through the player's controls, takes
// every ship across every open-water chart both ways, and along the harbour routes below, within
// the hardest difficulty's tick limit and without touching the coast. Models 4..7 share outline
// and handling with 2 and 3, so the three outlines cover all seven.
//
// The harbour table holds, per port and start, per target, per outline 1..3, the way the pilot
// sails the route (its variant 0..9, a..v) - 807 of the 1344 episodes of 28 harbours x 4 starts
// x 4 targets x 3 outlines. '-' marks a route the pilot does not sail yet in any of its ways: it
// grazes quays turning in basins narrower than the largest ship's turning circle, and lining up
// for some berths, so those routes are not yet proven sailable, by the pilot or otherwise.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/voyage/pilot.h"
#include "tests/voyage/sim_fixture.h"
#include "voyage/charts.h"
#include "voyage/manoeuvre.h"

namespace {

constexpr int32_t HARDEST_LIMIT = 2000;

const char* const PROVEN_ROUTES[HARBOUR_MAP_COUNT][4] = {
    {"000 000 000 -00", "000 000 -00 -h0", "000 -00 -00 -10", "000 --- --- 000"},  // port 1
    {"000 -00 -gg 000", "--- 000 --- ---", "--0 --0 000 --0", "000 --- -00 000"},  // port 2
    {"000 -00 --0 000", "--0 000 --- --0", "--- --- 000 ---", "000 -00 --- 000"},  // port 3
    {"000 100 000 000", "-00 000 -00 000", "000 110 000 000", "000 -00 000 000"},  // port 4
    {"000 000 000 000", "000 000 000 000", "000 000 000 000", "000 000 000 000"},  // port 5
    {"000 --- --c 000", "--0 000 --- --0", "--- --- 000 ---", "000 -00 --0 000"},  // port 6
    {"-00 000 000 000", "000 000 -00 000", "000 -00 000 000", "000 000 000 000"},  // port 7
    {"000 111 000 000", "000 000 200 220", "000 111 000 000", "000 -10 000 000"},  // port 8
    {"000 --- 000 -00", "000 000 -10 -00", "-00 --h 000 -00", "--0 --- --0 000"},  // port 9
    {"000 -00 -0g 000", "--0 000 --- --0", "--0 --- 000 --0", "000 -00 -00 000"},  // port 10
    {"-00 000 000 000", "000 000 000 000", "000 000 000 000", "000 000 000 000"},  // port 11
    {"000 --0 400 000", "--0 000 --- ---", "--- --- 000 ---", "--- -80 000 000"},  // port 12
    {"000 --0 --h 000", "--0 000 --- --0", "--0 --0 000 --0", "000 -00 --h 000"},  // port 13
    {"000 --- -00 000", "--2 000 --- ---", "--- --- 000 ---", "-00 --r -00 000"},  // port 14
    {"000 000 --- 000", "--0 000 --- --0", "--- --- 000 ---", "000 000 --- 000"},  // port 15
    {"000 --0 000 000", "--- 000 --- ---", "-00 --0 000 --0", "000 --0 -g0 000"},  // port 16
    {"000 --- --- 800", "--- 000 --- ---", "000 --- 000 --1", "-00 --- --- 000"},  // port 17
    {"000 000 000 ---", "--2 000 --2 ---", "--0 --- 000 ---", "g00 --- -10 000"},  // port 18
    {"000 -00 -00 000", "--- 000 --- ---", "--- --- 000 ---", "000 --0 -00 000"},  // port 19
    {"000 --- --- o00", "--2 000 --6 --2", "000 --- 000 --0", "m66 --- 000 000"},  // port 20
    {"000 000 000 000", "000 000 000 000", "000 000 000 -40", "2-0 --0 --0 000"},  // port 21
    {"000 -11 --- 000", "--- 000 --- ---", "000 --- 000 --0", "000 --- --- 000"},  // port 22
    {"000 -00 --- 000", "--- 000 --- ---", "--- --- 000 ---", "000 --2 --- 000"},  // port 23
    {"-00 000 000 000", "000 000 000 000", "000 000 000 000", "000 000 000 000"},  // port 24
    {"000 --g 000 000", "--- 000 --- ---", "-g0 --- 000 --0", "222 --- --f 000"},  // port 25
    {"000 --0 -00 000", "--- 000 --- ---", "--0 --- 000 --0", "000 --0 -00 000"},  // port 26
    {"000 000 --h 000", "-00 000 --2 --1", "--- --- 000 ---", "000 --0 --h 000"},  // port 27
    {"000 -00 g40 000", "--- 000 --- ---", "--- --- 000 --0", "000 --- --- 000"},  // port 28
};

// The way the pilot takes on a route, as the table gives it: the variant 0..31, or -1 where none
// is proven.
int32_t variant_of(int32_t row, int32_t start, int32_t target, int32_t model) {
    char v = PROVEN_ROUTES[row][start][target * 4 + model - 1];
    if (v >= '0' && v <= '9') return v - '0';
    if (v >= 'a' && v <= 'v') return v - 'a' + 10;
    return -1;
}

class HarbourSailing : public SimTest, public testing::WithParamInterface<int32_t> {};
class OpenWaterSailing : public SimTest, public testing::WithParamInterface<int32_t> {};

// PILOT_ALL sails every harbour route, trying the pilot's ways in turn, and prints a line per
// route with the first way that works (-1: none) for the table. PILOT_CASE="start target model"
// sails that one episode alone (with PILOT_TRACE and PILOT_DUMP to see what the pilot did).
bool wanted(int32_t start, int32_t target, int32_t model) {
    const char* only = std::getenv("PILOT_CASE");
    if (only == nullptr) return true;
    int32_t a = -1, b = -1, c = -1;
    std::sscanf(only, "%d %d %d", &a, &b, &c);
    return a == start && b == target && c == model;
}

void sail(int32_t mode, int32_t row, int32_t start, int32_t target, int32_t model, int32_t variant) {
    std::string why;
    std::vector<PilotLeg> legs = pilot_plan(mode, model, row, start, target, &why, variant);
    ASSERT_FALSE(legs.empty()) << "model " << model << " from " << start << " to " << target << ": " << why;
    EXPECT_EQ(MANOEUVRE_SUCCESS, pilot_sail(mode, model, row, start, target, HARDEST_LIMIT, legs, variant))
        << "model " << model << " from " << start << " to " << target << ", way " << variant;
}

TEST_P(HarbourSailing, TheProvenRoutes) {
    bool all = std::getenv("PILOT_ALL") != nullptr;
    for (int32_t start = 0; start < 4; ++start)
        for (int32_t target = 0; target < 4; ++target)
            for (int32_t model = 1; model <= 3; ++model) {
                if (!wanted(start, target, model)) continue;
                if (all) {
                    int32_t found = -1;
                    for (int32_t v = 0; v < PILOT_VARIANTS && found < 0; ++v) {
                        std::string why;
                        std::vector<PilotLeg> legs = pilot_plan(0, model, GetParam(), start, target, &why, v);
                        if (!legs.empty() &&
                            pilot_sail(0, model, GetParam(), start, target, HARDEST_LIMIT, legs, v) == MANOEUVRE_SUCCESS)
                            found = v;
                    }
                    std::printf("ROUTE %d %d %d %d %d\n", GetParam(), start, target, model, found);
                } else {
                    int32_t v = variant_of(GetParam(), start, target, model);
                    if (v >= 0) sail(0, GetParam(), start, target, model, v);
                }
            }
}

TEST_P(OpenWaterSailing, BothWaysEveryModel) {
    for (int32_t model = 1; model <= 3; ++model)
        if (wanted(0, 0, model)) sail(1, GetParam(), 0, 0, model, 0);
}

INSTANTIATE_TEST_SUITE_P(Ports, HarbourSailing, testing::Range(0, HARBOUR_MAP_COUNT));
INSTANTIATE_TEST_SUITE_P(Rows, OpenWaterSailing, testing::Range(0, REEF_MAP_COUNT));

}  // namespace
