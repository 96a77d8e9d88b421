// Sea distances, route lengths and ships' positions along their routes.
#include "world/sea_distance.h"

#include <gtest/gtest.h>

#include <cstring>

#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"

namespace {

TEST(SeaDistance, EdgeCases) {
    struct Case {
        int32_t lon1, lat1, lon2, lat2, nm;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0},       {0, 0, 1, 0, 60},       {179, 0, -179, 0, 120}, {-179, 0, 179, 0, 120},
        {0, 0, 0, 1, 60},      {0, 60, 10, 60, 300},   {0, 10, 0, -10, 1200},  {-180, 0, 180, 0, 0},
        {10, 50, 20, 50, 386}, {0, -90, 0, 90, 10800},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sea_distance_nm(c.lon1, c.lat1, c.lon2, c.lat2), c.nm)
            << c.lon1 << "," << c.lat1 << " -> " << c.lon2 << "," << c.lat2;
    }
}

TEST(SeaDistance, RouteLengthsAcrossTheDateLineTakeTheShortWay) {
    EXPECT_EQ(route_length_nm(29), 4733);  // Tokyo - San Francisco
    EXPECT_EQ(route_length_nm(41), 5043);  // Pearl Harbor - Hong Kong
    EXPECT_EQ(route_length_nm(12), 10907);
    EXPECT_EQ(route_length_nm(45), 2486);
    EXPECT_EQ(route_length_nm(0), 0);
}

class ShipPosition : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memcpy(saved_, g_route_table, sizeof saved_);
        init_route_lengths();
        std::memset(&ship_, 0, sizeof ship_);
    }
    void TearDown() override { std::memcpy(g_route_table, saved_, sizeof saved_); }
    void place(int32_t route, int16_t direction, int32_t sailed, int8_t port = 0) {
        ship_.route = static_cast<int8_t>(route);
        ship_.direction = direction;
        ship_.sailed_nm = sailed;
        ship_.port = port;
        compute_ship_route_position(&ship_);
    }
    Route saved_[ROUTE_COUNT + 1];
    Ship ship_;
};

TEST_F(ShipPosition, InPortLiesAtThePort) {
    place(0, 1, 500, 9);
    EXPECT_EQ(ship_.lon, g_port_table[9].lon);
    EXPECT_EQ(ship_.lat, g_port_table[9].lat);
    place(1, 0, 500, 13);  // a charter taken but not sailing yet
    EXPECT_EQ(ship_.lon, g_port_table[13].lon);
    EXPECT_EQ(ship_.lat, g_port_table[13].lat);
}

TEST_F(ShipPosition, NoMilesSailedLiesAtTheEndLeft) {
    place(1, 1, 0);
    EXPECT_EQ(ship_.lon, 0);
    EXPECT_EQ(ship_.lat, 525);  // London
    place(1, -1, 0);
    EXPECT_EQ(ship_.lon, -740);
    EXPECT_EQ(ship_.lat, 407);  // New York
}

// London (0, 52) to (0, 50) is 120 nm, then 82 nm... to (-8, 48): D = 120 is the end of the first leg.
TEST_F(ShipPosition, AtAJunctionStaysOnTheEarlierLeg) {
    struct Case {
        int32_t sailed, lon, lat;
    };
    const Case cases[] = {
        {60, 0, 512},    // half way down the first leg: 525 - 25 * 60 / 120
        {120, 0, 500},   // the junction: end of leg 1
        {121, -1, 499},  // just onto leg 2
    };
    for (const Case& c : cases) {
        place(1, 1, c.sailed);
        EXPECT_EQ(ship_.lon, c.lon) << c.sailed;
        EXPECT_EQ(ship_.lat, c.lat) << c.sailed;
    }
}

TEST_F(ShipPosition, SailingBackwardsMeetsTheSamePoints) {
    const int32_t length = g_route_table[12].length;
    for (int32_t d = 0; d <= length; d += 97) {
        place(12, 1, d);
        int32_t lon = ship_.lon, lat = ship_.lat;
        place(12, -1, length - d);
        EXPECT_EQ(ship_.lon, lon) << d;
        EXPECT_EQ(ship_.lat, lat) << d;
    }
}

// Every route sailed end to end, both ways and beyond its ends, keeps the ship on the map.
TEST_F(ShipPosition, LongitudesStayOnTheMap) {
    for (int32_t r = 1; r <= ROUTE_COUNT; ++r) {
        const int32_t length = g_route_table[r].length;
        for (int16_t dir : {int16_t{1}, int16_t{-1}}) {
            for (int32_t d = -50; d <= length + 50; d += 7) {
                place(r, dir, d);
                ASSERT_TRUE(ship_.lon >= -1800 && ship_.lon <= 1800) << r << " " << d << " " << ship_.lon;
                ASSERT_TRUE(ship_.lat >= -900 && ship_.lat <= 900) << r << " " << d;
            }
        }
    }
}

// Past the date line the interpolation takes the short way: half way along (1800, 380) -
// (-1600, 380) is 1700 east, not 100 west.
TEST_F(ShipPosition, CrossesTheDateLineTheShortWay) {
    // Tokyo (139, 35) - (160, 38) - (180, 38) - (-160, 38): legs in whole degrees.
    int32_t d1 = sea_distance_nm(139, 35, 160, 38), d2 = sea_distance_nm(160, 38, 180, 38);
    int32_t d3 = sea_distance_nm(180, 38, -160, 38);
    place(29, 1, d1 + d2 + d3 / 2);
    EXPECT_TRUE(ship_.lon >= 1650 || ship_.lon <= -1650) << ship_.lon;
    EXPECT_EQ(ship_.lat, 380);
    place(29, 1, d1 + d2 + d3 / 4);  // a quarter of the way east of the date line
    EXPECT_TRUE(ship_.lon >= -1760 && ship_.lon <= -1740) << ship_.lon;
}

TEST_F(ShipPosition, BeyondTheEndsHeldAtThePorts) {
    place(40, 1, g_route_table[40].length + 500);
    EXPECT_EQ(ship_.lon, g_port_table[11].lon);
    EXPECT_EQ(ship_.lat, g_port_table[11].lat);
    place(40, -1, g_route_table[40].length + 500);
    EXPECT_EQ(ship_.lon, g_port_table[20].lon);
    EXPECT_EQ(ship_.lat, g_port_table[20].lat);
}

}  // namespace
