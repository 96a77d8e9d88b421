// The coastline table's shape and its agreement with the seeds and the ports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "world/coastlines.h"
#include "world/ports.h"
#include "tests/game/land_mask.h"

namespace {

TEST(Coastlines, TwentyClosedPolygonsOf514Points) {
    std::vector<int32_t> counts;
    int32_t total = 0;
    for (const Coastline* c = g_coastlines; c->count != 0; ++c) {
        counts.push_back(c->count);
        total += c->count;
        EXPECT_EQ(c->points[0].lat, c->points[c->count - 1].lat) << "polygon " << counts.size() - 1;
        EXPECT_EQ(c->points[0].lon, c->points[c->count - 1].lon) << "polygon " << counts.size() - 1;
    }
    EXPECT_EQ(total, 514);
    ASSERT_EQ(counts.size(), 20u);
    std::sort(counts.begin(), counts.end(), std::greater<int32_t>());
    const std::vector<int32_t> largest{221, 84, 32, 29, 22, 19, 14, 12, 11, 10};
    EXPECT_EQ(std::vector<int32_t>(counts.begin(), counts.begin() + 10), largest);
    for (size_t i = 10; i < 20; ++i) EXPECT_TRUE(counts[i] >= 4 && counts[i] <= 7) << counts[i];
}

// A flat-map painter fills the polygons as they stand, so no edge may jump across the map; the one
// such edge allowed runs along the south pole, where it has no length on the globe.
TEST(Coastlines, EdgesStayOnTheMapAndInRange) {
    for (const Coastline* c = g_coastlines; c->count != 0; ++c) {
        for (int32_t i = 0; i < c->count; ++i) {
            const CoastPoint& p = c->points[i];
            EXPECT_TRUE(p.lat >= -900 && p.lat <= 900 && p.lon >= -1800 && p.lon <= 1800);
            if (i + 1 == c->count) continue;
            const CoastPoint& q = c->points[i + 1];
            bool along_pole = p.lat == -900 && q.lat == -900;
            EXPECT_TRUE(std::abs(q.lon - p.lon) <= 1800 || along_pole)
                << "edge (" << p.lat << ", " << p.lon << ") - (" << q.lat << ", " << q.lon << ")";
        }
    }
}

TEST(Coastlines, SeedsLieInsideLand) {
    int32_t n = 0;
    for (const SeedPoint* s = g_land_seeds; s->lat != 0; ++s, ++n) {
        EXPECT_TRUE(land_at(s->lon, s->lat)) << "land seed (" << s->lat << ", " << s->lon << ")";
    }
    EXPECT_EQ(n, 14);
}

// The ice seeds lie in Greenland (a polygon wholly in the far north) and Antarctica (the one that
// reaches the pole).
TEST(Coastlines, IceSeedsLieInGreenlandAndAntarctica) {
    ASSERT_EQ(g_ice_seeds[2].lat, 0);
    auto holder = [](const SeedPoint& s) -> const Coastline* {
        for (const Coastline* c = g_coastlines; c->count != 0; ++c) {
            if (polygon_contains(*c, s.lat, s.lon)) return c;
        }
        return nullptr;
    };
    const Coastline* greenland = holder(g_ice_seeds[0]);
    ASSERT_NE(greenland, nullptr);
    for (int32_t i = 0; i < greenland->count; ++i) {
        EXPECT_GT(greenland->points[i].lat, 590);
        EXPECT_TRUE(greenland->points[i].lon > -750 && greenland->points[i].lon < -100);
    }
    const Coastline* antarctica = holder(g_ice_seeds[1]);
    ASSERT_NE(antarctica, nullptr);
    for (int32_t i = 0; i < antarctica->count; ++i) EXPECT_LT(antarctica->points[i].lat, -600);
}

TEST(Coastlines, EveryPortLiesOnACoast) {
    for (int32_t row = 1; row <= PORT_COUNT; ++row) {
        const PortInfo& p = g_port_table[row];
        EXPECT_TRUE(land_within(p.lon, p.lat, 8)) << "no land near port " << row;
        EXPECT_TRUE(sea_within(p.lon, p.lat, 8)) << "no sea near port " << row;
    }
}

TEST(LandMask, KnownPlaces) {
    struct Case {
        int32_t lon, lat;
        bool land;
    };
    const Case cases[] = {
        {20, 470, true}, {-300, 400, false}, {-1000, 400, true}, {1300, -250, true}, {-1500, 0, false},
        {0, -850, true}, {320, 340, false},  {750, -300, false}, {1795, 685, true},  {-1795, 500, false},
    };
    for (const Case& c : cases) EXPECT_EQ(land_at(c.lon, c.lat), c.land) << c.lon << ", " << c.lat;
}

}  // namespace
