// The harbour routes: every recorded script of tests/voyage/harbour_routes.txt, played through the
// real manoeuvre_run as a player's hand on the controls, ends its episode in success within the
// hardest difficulty's tick limit. The file is made anew from the charts by the route_search
// program (tests/route_search), which also sails one episode alone.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/voyage/route_script.h"
#include "tests/voyage/sim_fixture.h"
#include "voyage/charts.h"
#include "voyage/manoeuvre.h"

namespace {

constexpr int32_t HARDEST_LIMIT = 2000;
constexpr int32_t EPISODES_PER_PORT = 4 * 4 * 3;


class RouteSailing : public SimTest {};
class PortRoutes : public SimTest, public testing::WithParamInterface<int32_t> {};

TEST_F(RouteSailing, ScriptTextRoundTripsAndRefusesMalformedWords) {
    std::vector<RouteInput> ticks = {{297, 192, 1, 0}, {297, 192, 1, 0}, {297, 106, 1, 0}, {0, 0, 0, 33}};
    std::string text = route_script_text(ticks);
    EXPECT_EQ("2*297,192,1,0 1*297,106,1,0 1*0,0,0,33", text);
    std::vector<RouteInput> back;
    ASSERT_TRUE(route_script_parse(text, &back));
    EXPECT_EQ(ticks, back);
    for (const char* bad : {"0*1,2,1,0", "3*1,2,1", "3*1,2,1,0x", "x*1,2,1,0", "3 1,2,1,0"}) {
        std::vector<RouteInput> t;
        EXPECT_FALSE(route_script_parse(bad, &t)) << bad;
    }
}

// Every harbour episode has exactly one line, sailed, and its script ends the episode in success:
// a chart redrawn so that some berth can no longer be reached fails here until its lines are
// searched anew and sail.
TEST_P(PortRoutes, EveryRecordedScriptSails) {
    std::vector<RouteRecord> all;
    std::string error;
    ASSERT_TRUE(route_file_parse(read_text(routes_path()), &all, &error)) << error;
    std::map<int32_t, int32_t> lines;
    int32_t sailed = 0;
    for (const RouteRecord& r : all) {
        if (r.row != GetParam()) continue;
        ++lines[(r.start * 4 + r.target) * 8 + r.model];
        EXPECT_TRUE(r.sailed) << "port " << r.row + 1 << " from " << r.start << " to " << r.target << " model "
                              << r.model << " is not sailed: " << r.why;
        if (!r.sailed) continue;
        ++sailed;
        EXPECT_EQ(MANOEUVRE_SUCCESS, route_replay(0, r.model, r.row, r.start, r.target, HARDEST_LIMIT, r.script))
            << "port " << r.row + 1 << " from " << r.start << " to " << r.target << " model " << r.model;
    }
    EXPECT_EQ(static_cast<size_t>(EPISODES_PER_PORT), lines.size());
    for (const auto& [episode, count] : lines) EXPECT_EQ(1, count) << "episode " << episode;
    std::printf("port %d: %d of %d episodes sailed\n", GetParam() + 1, sailed, EPISODES_PER_PORT);
    RecordProperty("sailed", sailed);
}

INSTANTIATE_TEST_SUITE_P(Ports, PortRoutes, testing::Range(0, HARBOUR_MAP_COUNT));

}  // namespace
