// Sailing the charts: the automatic pilot, steering only through the player's controls, takes
// every ship across every open-water chart both ways, and along the harbour routes below, within
// the hardest difficulty's tick limit and without touching the coast. Models 4..7 share outline
// and handling with 2 and 3, so the three outlines cover all seven.
//
// The harbour table holds the routes the pilot sails today (670 of the 1344 episodes of 28
// harbours x 4 starts x 4 targets x 3 outlines); per port and start, per target, per outline 1..3.
// The pilot still fails the others - it grazes quays turning in tight basins and lining up for
// some berths - so those are not yet proven sailable, by the pilot or otherwise.
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
    {"111 111 111 011", "111 111 011 001", "111 011 011 001", "111 000 000 111"},  // port 1
    {"111 011 000 111", "000 111 000 000", "000 000 111 000", "111 000 000 111"},  // port 2
    {"111 000 001 111", "011 111 000 001", "000 000 111 000", "111 000 000 111"},  // port 3
    {"111 111 000 000", "111 111 000 000", "000 000 111 000", "000 000 000 111"},  // port 4
    {"111 111 000 111", "001 111 001 001", "111 001 111 001", "111 000 011 111"},  // port 5
    {"111 000 000 111", "001 111 000 001", "000 000 111 000", "111 000 001 111"},  // port 6
    {"111 011 000 111", "001 111 000 001", "111 001 111 001", "011 111 000 111"},  // port 7
    {"111 111 111 000", "011 111 001 000", "111 001 111 000", "111 011 111 111"},  // port 8
    {"111 000 111 000", "111 111 001 000", "011 000 111 000", "000 000 000 111"},  // port 9
    {"111 011 000 111", "001 111 000 001", "000 000 111 000", "111 011 000 111"},  // port 10
    {"111 001 011 111", "011 111 011 011", "001 000 111 001", "011 010 011 111"},  // port 11
    {"111 001 000 111", "001 111 000 000", "111 000 111 000", "000 001 000 111"},  // port 12
    {"111 001 000 111", "001 111 000 001", "001 001 111 001", "111 011 000 111"},  // port 13
    {"111 000 000 111", "000 111 000 000", "000 000 111 000", "011 000 000 111"},  // port 14
    {"111 000 000 111", "111 111 000 001", "000 000 111 000", "111 000 000 111"},  // port 15
    {"111 001 111 111", "000 111 000 000", "011 001 111 001", "111 001 001 111"},  // port 16
    {"111 000 000 011", "000 111 000 000", "111 000 111 000", "011 000 000 111"},  // port 17
    {"111 111 000 000", "000 111 000 000", "111 000 111 000", "011 000 000 111"},  // port 18
    {"111 011 000 111", "000 111 000 000", "010 000 111 000", "111 001 000 111"},  // port 19
    {"111 000 000 011", "000 111 000 000", "111 000 111 001", "000 000 111 111"},  // port 20
    {"111 111 111 000", "111 111 111 000", "111 111 111 000", "111 011 001 111"},  // port 21
    {"111 000 000 111", "000 111 000 000", "010 000 111 000", "011 000 000 111"},  // port 22
    {"111 011 000 111", "000 111 000 000", "000 000 111 000", "111 000 000 111"},  // port 23
    {"111 011 000 111", "001 111 000 001", "111 001 111 011", "111 001 000 111"},  // port 24
    {"111 000 111 000", "000 111 000 000", "001 000 111 000", "111 000 011 111"},  // port 25
    {"111 001 000 111", "000 111 000 000", "011 000 111 000", "111 001 000 111"},  // port 26
    {"111 111 000 111", "011 111 000 000", "000 000 111 000", "111 001 000 111"},  // port 27
    {"111 011 000 111", "000 111 000 000", "000 000 111 000", "111 000 000 111"},  // port 28
};

bool proven(int32_t row, int32_t start, int32_t target, int32_t model) {
    return PROVEN_ROUTES[row][start][target * 4 + model - 1] == '1';
}

class HarbourSailing : public SimTest, public testing::WithParamInterface<int32_t> {};
class OpenWaterSailing : public SimTest, public testing::WithParamInterface<int32_t> {};

// PILOT_ALL sails every harbour route, proven or not, and prints a line per route for the table.
// PILOT_CASE="start target model" sails that one episode alone (with PILOT_TRACE and PILOT_DUMP
// to see what the pilot did).
bool wanted(int32_t start, int32_t target, int32_t model) {
    const char* only = std::getenv("PILOT_CASE");
    if (only == nullptr) return true;
    int32_t a = -1, b = -1, c = -1;
    std::sscanf(only, "%d %d %d", &a, &b, &c);
    return a == start && b == target && c == model;
}

void sail(int32_t mode, int32_t row, int32_t start, int32_t target, int32_t model) {
    std::string why;
    std::vector<PilotLeg> legs = pilot_plan(mode, model, row, start, target, &why);
    ASSERT_FALSE(legs.empty()) << "model " << model << " from " << start << " to " << target << ": " << why;
    EXPECT_EQ(MANOEUVRE_SUCCESS, pilot_sail(mode, model, row, start, target, HARDEST_LIMIT, legs))
        << "model " << model << " from " << start << " to " << target;
}

TEST_P(HarbourSailing, TheProvenRoutes) {
    bool all = std::getenv("PILOT_ALL") != nullptr;
    for (int32_t start = 0; start < 4; ++start)
        for (int32_t target = 0; target < 4; ++target)
            for (int32_t model = 1; model <= 3; ++model) {
                if (!wanted(start, target, model)) continue;
                if (all) {
                    std::string why;
                    std::vector<PilotLeg> legs = pilot_plan(0, model, GetParam(), start, target, &why);
                    int32_t result = legs.empty() ? -99 : pilot_sail(0, model, GetParam(), start, target, HARDEST_LIMIT, legs);
                    std::printf("ROUTE %d %d %d %d %d\n", GetParam(), start, target, model, result);
                } else if (proven(GetParam(), start, target, model)) {
                    sail(0, GetParam(), start, target, model);
                }
            }
}

TEST_P(OpenWaterSailing, BothWaysEveryModel) {
    for (int32_t model = 1; model <= 3; ++model)
        if (wanted(0, 0, model)) sail(1, GetParam(), 0, 0, model);
}

INSTANTIATE_TEST_SUITE_P(Ports, HarbourSailing, testing::Range(0, HARBOUR_MAP_COUNT));
INSTANTIATE_TEST_SUITE_P(Rows, OpenWaterSailing, testing::Range(0, REEF_MAP_COUNT));

}  // namespace
