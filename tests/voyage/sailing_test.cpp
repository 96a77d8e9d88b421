// Sailing the open-water charts: the automatic pilot, steering only through the player's controls,
// takes every ship across every open-water chart both ways within the hardest difficulty's tick
// limit and without touching the coast. Models 4..7 share outline and handling with 2 and 3, so
// the three outlines cover all seven.
//
// The harbour charts are sailed by the recorded routes of route_sailing_test.cpp.
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

class OpenWaterSailing : public SimTest, public testing::WithParamInterface<int32_t> {};

// PILOT_CASE="0 0 model" sails that model alone (with PILOT_TRACE and PILOT_DUMP to see what the
// pilot did).
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

TEST_P(OpenWaterSailing, BothWaysEveryModel) {
    for (int32_t model = 1; model <= 3; ++model)
        if (wanted(0, 0, model)) sail(1, GetParam(), 0, 0, model, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, OpenWaterSailing, testing::Range(0, REEF_MAP_COUNT));

}  // namespace
