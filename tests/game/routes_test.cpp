// The routes' data against the world: every list has its count and end mark, stays at sea (sampled
// every tenth of a degree the way a ship moves along it), runs from port A's end to port B's, and has
// a length that fits the figure it was planned with.
#include "world/routes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "world/ports.h"
#include "world/sea_distance.h"
#include "tests/game/land_mask.h"

namespace {

constexpr int32_t kPortApproach = 8;  // tenths of a degree: the last miles into a port may cross land

// The canals, which the coastline does not cut: Suez and Panama (tenths: lon, lon, lat, lat).
struct Box {
    int32_t lon0, lon1, lat0, lat1;
};
constexpr Box kCanals[] = {{320, 329, 293, 314}, {-801, -793, 88, 95}};

bool in_canal(int32_t lon, int32_t lat) {
    for (const Box& b : kCanals) {
        if (lon >= b.lon0 && lon <= b.lon1 && lat >= b.lat0 && lat <= b.lat1) return true;
    }
    return false;
}

struct Pt {
    int32_t lon, lat;
};

int32_t short_dlon(int32_t from, int32_t to) {
    int32_t d = to - from;
    if (d > 1800) d -= 3600;
    if (d < -1800) d += 3600;
    return d;
}

bool near(Pt p, Pt port) {
    double dx = short_dlon(port.lon, p.lon) * std::cos(port.lat / 10.0 * 3.14159265358979 / 180.0);
    double dy = p.lat - port.lat;
    return dx * dx + dy * dy <= kPortApproach * kPortApproach;
}

std::vector<Pt> route_points(int32_t r) {
    const Route& route = g_route_table[r];
    std::vector<Pt> pts{{g_port_table[route.port_a].lon, g_port_table[route.port_a].lat}};
    for (const Waypoint* w = route.waypoints; w->lon != 0 || w->lat != 0; ++w)
        pts.push_back({w->lon, w->lat});
    pts.push_back({g_port_table[route.port_b].lon, g_port_table[route.port_b].lat});
    return pts;
}

int32_t list_count(int32_t r) {
    int32_t n = 0;
    for (const Waypoint* w = g_route_table[r].waypoints; w->lon != 0 || w->lat != 0; ++w) ++n;
    return n;
}

// The counts each route's list must hold.
constexpr int32_t kCounts[ROUTE_COUNT + 1] = {
    0, 5, 12, 8, 5,  4, 9,  13, 15, 10, 14, 8,  16, 5, 9, 24, 11, 7, 8,  12, 14, 28, 8,  15, 9,  3,  11, 10,
    9, 4, 25, 6, 14, 8, 12, 5,  7,  6,  15, 12, 2,  5, 4, 6,  10, 4, 17, 10, 7,  12, 15, 11, 13, 20, 26, 28};

TEST(RouteTable, ListsHoldTheirCountsAndEndMarks) {
    int32_t total = 0;
    for (int32_t r = 1; r <= ROUTE_COUNT; ++r) {
        EXPECT_EQ(list_count(r), kCounts[r]) << "route " << r;
        total += list_count(r);
    }
    EXPECT_EQ(total, 606);
    EXPECT_EQ(g_route_table[0].waypoints, nullptr);
    EXPECT_EQ(g_route_table[0].port_a, 0);
}

TEST(RouteTable, QuotedListsAreKeptExactly) {
    struct Case {
        int32_t route;
        std::vector<Pt> points;
    };
    const Case cases[] = {
        {1, {{0, 500}, {-80, 480}, {-280, 460}, {-480, 440}, {-650, 420}}},
        {12,
         {{0, -390},
          {-200, -470},
          {-400, -510},
          {-600, -560},
          {-680, -590},
          {-770, -540},
          {-830, -500},
          {-830, -400},
          {-830, -300},
          {-830, -200},
          {-830, -100},
          {-840, 0},
          {-1000, 100},
          {-1100, 200},
          {-1200, 270},
          {-1230, 300}}},
        {25, {{-400, -220}, {-200, -220}, {0, -280}}},
        {29, {{1600, 380}, {1800, 380}, {-1600, 380}, {-1400, 380}}},
        {40, {{-1500, 250}, {-1300, 300}}},
        {41, {{-1700, 200}, {1700, 200}, {1500, 200}, {1300, 200}, {1200, 200}}},
        {45, {{-750, 170}, {-760, 210}, {-660, 240}, {-660, 340}}},
    };
    for (const Case& c : cases) {
        std::vector<Pt> pts = route_points(c.route);
        ASSERT_EQ(pts.size(), c.points.size() + 2) << "route " << c.route;
        for (size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(pts[i + 1].lon, c.points[i].lon) << "route " << c.route << " point " << i;
            EXPECT_EQ(pts[i + 1].lat, c.points[i].lat) << "route " << c.route << " point " << i;
        }
    }
}

TEST(RouteTable, EveryLegStaysAtSea) {
    for (int32_t r = 1; r <= ROUTE_COUNT; ++r) {
        std::vector<Pt> pts = route_points(r);
        const Pt a = pts.front(), b = pts.back();
        for (size_t i = 1; i + 1 < pts.size(); ++i) {
            EXPECT_TRUE(!land_at(pts[i].lon, pts[i].lat) || in_canal(pts[i].lon, pts[i].lat))
                << "route " << r << " waypoint " << i - 1 << " on land";
        }
        for (size_t i = 0; i + 1 < pts.size(); ++i) {
            const Pt p = pts[i], q = pts[i + 1];
            int32_t dlon = short_dlon(p.lon, q.lon), dlat = q.lat - p.lat;
            int32_t n = std::max({std::abs(dlon), std::abs(dlat), 1});
            int32_t on_land = 0;
            Pt first{};
            for (int32_t k = 0; k <= n; ++k) {
                Pt s{p.lon + dlon * k / n, p.lat + dlat * k / n};
                if (!land_at(s.lon, s.lat) || in_canal(s.lon, s.lat) || near(s, a) || near(s, b)) continue;
                if (on_land++ == 0) first = s;
            }
            EXPECT_EQ(on_land, 0) << "route " << r << " leg " << i << " crosses land at (" << first.lon
                                  << ", " << first.lat << ")";
        }
    }
}

// A list written backwards would still be at sea; its ends give it away.
TEST(RouteTable, ListsRunFromPortAToPortB) {
    auto dist2 = [](Pt p, Pt q) {
        double dx = short_dlon(p.lon, q.lon) * std::cos((p.lat + q.lat) / 20.0 * 3.14159265358979 / 180.0);
        double dy = q.lat - p.lat;
        return dx * dx + dy * dy;
    };
    for (int32_t r = 1; r <= ROUTE_COUNT; ++r) {
        std::vector<Pt> pts = route_points(r);
        const Pt a = pts.front(), b = pts.back(), first = pts[1], last = pts[pts.size() - 2];
        EXPECT_LT(dist2(first, a), dist2(first, b)) << "route " << r;
        EXPECT_LT(dist2(last, b), dist2(last, a)) << "route " << r;
    }
}

TEST(RouteTable, LengthsFitThePlannedFigures) {
    Route saved[ROUTE_COUNT + 1];
    for (int32_t r = 0; r <= ROUTE_COUNT; ++r) saved[r] = g_route_table[r];
    init_route_lengths();
    std::printf("route  port A -> port B            planned  computed\n");
    for (int32_t r = 1; r <= ROUTE_COUNT; ++r) {
        const Route& route = g_route_table[r];
        int32_t planned = saved[r].length, computed = route.length;
        std::printf("%5d  %-13s -> %-13s %7d  %8d\n", r, port_name(route.port_a), port_name(route.port_b),
                    planned, computed);
        // Round figures (3600, 7000, 10000) were rough guesses; the others were measured.
        bool rough = planned % 100 == 0;
        double ratio = static_cast<double>(computed) / planned;
        if (rough) {
            EXPECT_TRUE(ratio > 0.25 && ratio < 4.0)
                << "route " << r << ": " << computed << " vs " << planned;
        } else {
            EXPECT_TRUE(ratio > 0.75 && ratio < 1.4)
                << "route " << r << ": " << computed << " vs " << planned;
        }
        if (route.event_code != 0) {
            EXPECT_LT(route.event_position, computed) << "route " << r << "'s event lies beyond its end";
        }
    }
    EXPECT_EQ(g_route_table[12].length, 10907);
    EXPECT_EQ(g_route_table[45].length, 2486);
    EXPECT_EQ(g_route_table[0].length, 0);
    for (int32_t r = 0; r <= ROUTE_COUNT; ++r) g_route_table[r] = saved[r];
}

}  // namespace
