// The incidents of a sailing day: icebergs only in the simulation beyond 49 degrees and once a
// voyage, the distress call only in the simulation and once a voyage, lost in a wind of 11 or
// more without a word but still using up the voyage's incident.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/random.h"
#include "tests/harness/case_name.h"
#include "tests/harness/draw_trace.h"
#include "tests/voyage/incident_fixture.h"
#include "voyage/incidents.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

constexpr int8_t HONG_KONG_VANCOUVER = 22;  // emergencies 20, icebergs 10, no route event

using Kinds = std::vector<std::string>;

std::vector<int32_t> upper_bounds(const std::vector<TracedDraw>& trace) {
    std::vector<int32_t> his;
    for (const TracedDraw& d : trace) his.push_back(d.hi);
    return his;
}

void wind_everywhere(int8_t force) {
    for (auto& row : g_wind_grid)
        for (int8_t& f : row) f = force;
}

class SeaIncidents : public IncidentTest {
  protected:
    void SetUp() override {
        IncidentTest::SetUp();
        ship_->route = HONG_KONG_VANCOUVER;
        ship_->port = 10;
        ship_->lon = -1500;
        ship_->lat = 300;
    }
    TextLines run(uint16_t seed) {
        RandomState{seed, 0, 0}.restore();
        g_day_event = 0;
        draw_trace_start(&trace_);
        TextLines loss = ship_day_events(0, owner_, ship_, PHASE_SAILING);
        draw_trace_stop();
        return loss;
    }
    std::vector<TracedDraw> trace_;
};

struct DiceCase {
    const char* what;
    int32_t sim_mode;
    int32_t lat;
    uint16_t flags;
    std::vector<int32_t> bounds;
};

class SeaDice : public SeaIncidents, public testing::WithParamInterface<DiceCase> {};

TEST_P(SeaDice, WhichDiceASailingDayRolls) {
    const DiceCase& c = GetParam();
    // Both dice fail: only the rolls themselves are looked at.
    uint16_t seed = find_seed([] {
        int32_t ice = random_range(0, 300);
        int32_t call = random_range(0, 1350);
        return ice >= 10 && call >= 20;
    });
    ASSERT_NE(seed, 0);
    g_sim_mode = c.sim_mode;
    ship_->lat = c.lat;
    ship_->voyage_flags = c.flags;
    EXPECT_EQ(run(seed), nullptr);
    EXPECT_EQ(upper_bounds(trace_), c.bounds) << draw_trace_text(trace_);
    EXPECT_EQ(ship_->voyage_flags, c.flags);
    EXPECT_EQ(answered(), Kinds{});
}

const DiceCase kDiceCases[] = {
    {"simulation north of 49 degrees", 0, 491, 0, {300, 1350}},
    {"simulation south of 49 degrees", 0, -491, 0, {300, 1350}},
    {"simulation at 49.0 degrees no ice", 0, 490, 0, {1350}},
    {"simulation at minus 49.0 degrees no ice", 0, -490, 0, {1350}},
    {"icebergs already met", 0, 600, VOYAGE_ICEBERGS_DONE, {1350}},
    {"incident already had", 0, 600, VOYAGE_INCIDENT_DONE, {300}},
    {"pure economy no icebergs and no emergency", 1, 600, 0, {}},
};
INSTANTIATE_TEST_SUITE_P(SailingDay, SeaDice, testing::ValuesIn(kDiceCases), CaseName());

TEST_F(SeaIncidents, IcebergsComeOncePerVoyage) {
    uint16_t seed = find_seed([] {
        int32_t ice = random_range(0, 300);
        int32_t call = random_range(0, 1350);
        return ice < 10 && call >= 20;
    });
    ASSERT_NE(seed, 0);
    g_sim_mode = 0;
    ship_->lat = 550;
    EXPECT_EQ(run(seed), nullptr);
    EXPECT_EQ(ship_->voyage_flags, VOYAGE_ICEBERGS_DONE);
    EXPECT_EQ(run(seed), nullptr);
    EXPECT_EQ(upper_bounds(trace_), std::vector<int32_t>{1350});
}

struct StormyCallCase {
    const char* what;
    int8_t wind;
};

class CallInTheWind : public SeaIncidents, public testing::WithParamInterface<StormyCallCase> {};

TEST_P(CallInTheWind, IsLostWithoutAWordButUsesUpTheVoyagesIncident) {
    const StormyCallCase& c = GetParam();
    uint16_t seed = find_seed([] { return random_range(0, 1350) < 20; });
    ASSERT_NE(seed, 0);
    g_sim_mode = 0;
    wind_everywhere(c.wind);
    ASSERT_EQ(weather_wind_smoothed2(ship_->lat / 10, ship_->lon / 10), c.wind);
    EXPECT_EQ(run(seed), nullptr);
    EXPECT_EQ(upper_bounds(trace_), std::vector<int32_t>{1350});
    EXPECT_EQ(ship_->voyage_flags, VOYAGE_INCIDENT_DONE);
    EXPECT_EQ(g_day_event, 0);
    EXPECT_EQ(answered(), Kinds{});
    EXPECT_EQ(owner_->status, 5);
    // The next day no call comes: the die is not even rolled.
    EXPECT_EQ(run(seed), nullptr);
    EXPECT_TRUE(trace_.empty()) << draw_trace_text(trace_);
}

const StormyCallCase kStormyCases[] = {{"force 11", 11}, {"force 12", 12}};
INSTANTIATE_TEST_SUITE_P(Emergency, CallInTheWind, testing::ValuesIn(kStormyCases), CaseName());

TEST_F(SeaIncidents, ACallInAModerateWindIsAnsweredInTheSimulation) {
    uint16_t seed = find_seed([] { return random_range(0, 1350) < 20; });
    ASSERT_NE(seed, 0);
    g_sim_mode = 0;
    g_difficulty_allowance = 40;  // the raft is not reached in time
    wind_everywhere(4);
    EXPECT_EQ(run(seed), nullptr);
    ASSERT_GE(trace_.size(), 3u);
    // The call, then the raft's start before the ship's.
    EXPECT_EQ(trace_[0].hi, 1350);
    EXPECT_EQ(trace_[1].lo, 0);
    EXPECT_EQ(trace_[1].hi, 3);
    EXPECT_EQ(trace_[2].hi, 3);
    EXPECT_EQ(ship_->voyage_flags, VOYAGE_INCIDENT_DONE);
    EXPECT_EQ(g_day_event, 1);
    EXPECT_EQ(answered(), Kinds{"box"});  // "Forget it ..."
    EXPECT_EQ(owner_->status, 5);
}

}  // namespace
