// The harbour routes: every recorded script of tests/voyage/harbour_routes.txt, played through the
// real manoeuvre_run as a player's hand on the controls, ends its episode in success within the
// hardest difficulty's tick limit. ROUTE_SEARCH=1 makes the file anew from the charts with the
// searching pilot of route_search.h and, where it finds no way, the following pilot of pilot.h
// (in ROUTE_JOBS processes, 4 unless given); ROUTE_CASE="port start target model" sails that one
// episode alone (ROUTE_SEARCH_ONLY=1: by the search alone) and prints its line.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include "tests/voyage/pilot.h"
#include "tests/voyage/route_script.h"
#include "tests/voyage/route_search.h"
#include "tests/voyage/sim_fixture.h"
#include "voyage/charts.h"
#include "voyage/manoeuvre.h"

namespace {

constexpr int32_t HARDEST_LIMIT = 2000;
constexpr int32_t EPISODES_PER_PORT = 4 * 4 * 3;

std::string routes_path() { return std::string(MARIVANE_SOURCE_DIR) + "/tests/voyage/harbour_routes.txt"; }

std::string read_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

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

// One episode's line: the search's way, else the following pilot's first way that sails, each
// played once more through the real run before it is kept.
RouteRecord sail_episode(RouteLattice& lattice, int32_t start, int32_t target) {
    int32_t row = lattice.row, model = lattice.model;
    RouteSearchResult s = route_search(lattice, start, target, HARDEST_LIMIT);
    RouteRecord r{row, start, target, model, false, "search", s.ticks, s.script, s.why};
    if (s.sailed && route_replay(0, model, row, start, target, HARDEST_LIMIT, s.script) == MANOEUVRE_SUCCESS) {
        r.sailed = true;
        return r;
    }
    if (s.sailed) r.why = "the search's way failed in the real run";
    for (int32_t v = 0; v < PILOT_VARIANTS; ++v) {
        std::string why;
        std::vector<PilotLeg> legs = pilot_plan(0, model, row, start, target, &why, v);
        std::vector<RouteInput> script;
        if (legs.empty() ||
            pilot_sail(0, model, row, start, target, HARDEST_LIMIT, legs, v, &script) != MANOEUVRE_SUCCESS)
            continue;
        if (route_replay(0, model, row, start, target, HARDEST_LIMIT, script) != MANOEUVRE_SUCCESS) continue;
        return {row, start, target, model, true, "pilot", static_cast<int32_t>(script.size()), script, ""};
    }
    return r;
}

// The 16 episodes of one chart and model, as lines of the routes file.
std::string sail_chart(int32_t row, int32_t model) {
    RouteLattice lattice = route_lattice_build(row, model);
    std::string out;
    for (int32_t start = 0; start < 4; ++start)
        for (int32_t target = 0; target < 4; ++target) out += route_record_line(sail_episode(lattice, start, target)) + "\n";
    return out;
}

TEST_F(RouteSailing, SearchOneEpisode) {
    const char* only = std::getenv("ROUTE_CASE");
    if (only == nullptr) GTEST_SKIP() << "ROUTE_CASE not set";
    int32_t port = 0, start = 0, target = 0, model = 0;
    ASSERT_EQ(4, std::sscanf(only, "%d %d %d %d", &port, &start, &target, &model));
    auto t0 = std::chrono::steady_clock::now();
    RouteLattice lattice = route_lattice_build(port - 1, model);
    auto t1 = std::chrono::steady_clock::now();
    RouteRecord r = std::getenv("ROUTE_SEARCH_ONLY") != nullptr ? RouteRecord{} : sail_episode(lattice, start, target);
    if (std::getenv("ROUTE_SEARCH_ONLY") != nullptr) {
        RouteSearchResult s = route_search(lattice, start, target, HARDEST_LIMIT);
        r = {port - 1, start, target, model, s.sailed, "search", s.ticks, s.script, s.why};
        std::printf("%lld expansions\n", static_cast<long long>(s.expansions));
    }
    auto t2 = std::chrono::steady_clock::now();
    std::printf("lattice %.3f s, sailing %.3f s: %s\n", std::chrono::duration<double>(t1 - t0).count(),
                std::chrono::duration<double>(t2 - t1).count(), route_record_line(r).substr(0, 160).c_str());
    if (r.sailed) {
        EXPECT_EQ(MANOEUVRE_SUCCESS, route_replay(0, model, port - 1, start, target, HARDEST_LIMIT, r.script));
    }
}

// The ports ROUTE_PORTS names ("3 17 22"), all when it is not set.
std::vector<bool> ports_to_sail() {
    const char* text = std::getenv("ROUTE_PORTS");
    std::vector<bool> wanted(HARBOUR_MAP_COUNT, text == nullptr);
    if (text == nullptr) return wanted;
    std::istringstream in(text);
    int32_t port = 0;
    while (in >> port)
        if (port >= 1 && port <= HARBOUR_MAP_COUNT) wanted[static_cast<size_t>(port - 1)] = true;
    return wanted;
}

// ROUTE_SEARCH=1: the routes file anew, one chart and model per job, the jobs in parallel
// processes, the lines in port order. With ROUTE_PORTS only those ports are sailed again and the
// others keep their lines from the file as it is, for a chart or two redrawn.
TEST_F(RouteSailing, WriteTheRoutesFile) {
    if (std::getenv("ROUTE_SEARCH") == nullptr) GTEST_SKIP() << "ROUTE_SEARCH not set";
    const char* jobs_text = std::getenv("ROUTE_JOBS");
    int32_t jobs = jobs_text != nullptr ? std::max(1, std::atoi(jobs_text)) : 4;
    const std::vector<bool> wanted = ports_to_sail();
    std::map<std::tuple<int32_t, int32_t, int32_t, int32_t>, std::string> kept;
    int32_t kept_sailed = 0;
    if (std::getenv("ROUTE_PORTS") != nullptr) {
        std::vector<RouteRecord> old;
        std::string error;
        ASSERT_TRUE(route_file_parse(read_text(routes_path()), &old, &error)) << error;
        for (const RouteRecord& r : old)
            if (!wanted[static_cast<size_t>(r.row)]) {
                kept[{r.row, r.start, r.target, r.model}] = route_record_line(r);
                if (r.sailed) ++kept_sailed;
            }
    }
    auto t0 = std::chrono::steady_clock::now();
    std::string dir = "route_search_parts";
    ASSERT_EQ(0, std::system(("mkdir -p " + dir).c_str()));
    std::vector<pid_t> children;
    for (int32_t w = 0; w < jobs; ++w) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int32_t job = w; job < HARBOUR_MAP_COUNT * 3; job += jobs) {
                if (!wanted[static_cast<size_t>(job / 3)]) continue;
                std::string lines = sail_chart(job / 3, job % 3 + 1);
                std::ofstream(dir + "/" + std::to_string(job) + ".txt") << lines;
            }
            std::fflush(stdout);
            _exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    // port order, then start, target and model
    std::map<std::tuple<int32_t, int32_t, int32_t, int32_t>, std::string> ordered = kept;
    int32_t sailed = kept_sailed;
    for (int32_t job = 0; job < HARBOUR_MAP_COUNT * 3; ++job) {
        if (!wanted[static_cast<size_t>(job / 3)]) continue;
        std::istringstream in(read_text(dir + "/" + std::to_string(job) + ".txt"));
        std::string line;
        while (std::getline(in, line)) {
            std::vector<RouteRecord> r;
            std::string error;
            ASSERT_TRUE(route_file_parse(line, &r, &error)) << error;
            ASSERT_EQ(1u, r.size());
            ordered[{r[0].row, r[0].start, r[0].target, r[0].model}] = line;
            if (r[0].sailed) ++sailed;
        }
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::ofstream out(routes_path());
    out << "# The harbour routes: per port (1..28), start (0 the entrance, 1..3 the berths), target and model\n"
           "# (1..3, the three outlines), the player's input on every tick of a successful episode within\n"
           "# 2000 ticks, as words count*mouse x,mouse y,left button,key, after what found it (the search,\n"
           "# or the following pilot where the search found nothing) and the tick count; or unsailed and why.\n"
           "# Made from voyage/charts/harbours.txt by tests/voyage/route_sailing_test.cpp:\n"
           "#   ROUTE_SEARCH=1 ROUTE_JOBS=8 build/rel/tests/voyage_tests --gtest_filter=RouteSailing.WriteTheRoutesFile\n";
    out << "# " << sailed << " of " << ordered.size() << " episodes sailed; the search took " << static_cast<int32_t>(seconds)
        << " s in " << jobs << " processes.\n";
    for (const auto& [key, line] : ordered) out << line << "\n";
    EXPECT_EQ(static_cast<size_t>(HARBOUR_MAP_COUNT * EPISODES_PER_PORT), ordered.size());
    std::printf("%d of %zu episodes sailed in %.0f s\n", sailed, ordered.size(), seconds);
}

}  // namespace
