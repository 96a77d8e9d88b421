// The wind grid: look-ups, the daily drift along the move table and the relaxation bounds.
#include "world/weather.h"

#include <gtest/gtest.h>

#include "engine/random.h"

namespace {

class Weather : public ::testing::Test {
  protected:
    void SetUp() override { weather_reset(); }
    void fill(int8_t v) {
        for (auto& row : g_wind_grid)
            for (auto& cell : row) cell = v;
    }
};

TEST_F(Weather, LookupsFindTheirCells) {
    struct Case {
        int32_t lat, lon;
        int32_t row, col;
    };
    const Case cases[] = {
        {50, 0, 1, 6},    {100, 0, 0, 6},    {-100, 0, 5, 6},  {89, -180, 0, 0}, {90, 0, 0, 6},
        {-90, 0, 5, 6},   {0, 180, 2, 0},    {0, -181, 2, 11}, {0, 179, 2, 11},  {0, 540, 2, 0},
        {-1, -151, 3, 0}, {-61, 150, 5, 11}, {60, -720, 0, 6}, {59, 30, 1, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(weather_wind_at(c.lat, c.lon), g_wind_base_grid[c.row][c.col]) << c.lat << ", " << c.lon;
    }
    EXPECT_EQ(weather_wind_at(50, 0), 4);
}

TEST_F(Weather, SmoothingOfAnEvenFieldKeepsItsValue) {
    fill(7);
    EXPECT_EQ(weather_wind_smoothed(10, 20), 7);
    EXPECT_EQ(weather_wind_smoothed2(-80, 170), 7);
}

// One strong cell among calm ones: the centre weight of 4 out of 16 leaves a quarter of it.
TEST_F(Weather, SmoothingWeighsTheSamples) {
    fill(0);
    g_wind_grid[2][6] = 12;  // latitudes 0..29, longitudes 0..29
    EXPECT_EQ(weather_wind_at(15, 15), 12);
    EXPECT_EQ(weather_wind_smoothed(15, 15), 12);  // all nine samples in the same cell
    EXPECT_EQ(weather_wind_smoothed(15, 1), (4 * 12 + 2 * (12 + 12 + 0 + 12) + 12 + 0 + 0 + 12) >> 4);
    EXPECT_EQ(weather_wind_smoothed(45, 45), 0);
}

TEST_F(Weather, AdvectionFollowsTheMoveTable) {
    // A few gale cells in a calm grid: after one day they are found where the move table sends them,
    // give or take the one force the relaxation may add or take.
    fill(0);
    g_wind_grid[1][7] = 12;  // row 0 column 6 takes row 1 column 7
    g_wind_grid[4][3] = 12;  // row 5 column 4 takes row 4 column 3
    g_wind_grid[2][2] = 12;  // row 2 column 2 keeps its own
    weather_step();
    EXPECT_GE(g_wind_grid[0][6], 11);
    EXPECT_GE(g_wind_grid[5][4], 11);
    EXPECT_GE(g_wind_grid[2][2], 11);
    EXPECT_GE(g_wind_grid[1][6], 11);  // row 1 takes from one column east, in its own row
    EXPECT_LE(g_wind_grid[1][7], 1);
}

TEST_F(Weather, ValuesStayWithinTheBeaufortScale) {
    for (int8_t start : {int8_t{0}, int8_t{12}}) {
        fill(start);
        g_random_seed = 1234;
        for (int32_t day = 0; day < 200; ++day) {
            weather_step();
            for (auto& row : g_wind_grid)
                for (int8_t cell : row) ASSERT_TRUE(cell >= 0 && cell <= 12) << int(cell);
        }
    }
}

TEST_F(Weather, AStepDrawsOneRandomNumberPerCell) {
    uint16_t before = g_random_counter;
    weather_step();
    EXPECT_EQ(static_cast<uint16_t>(g_random_counter - before), WIND_ROWS * WIND_COLUMNS);
    uint16_t mid = g_random_counter;
    weather_wind_smoothed2(10, 10);
    EXPECT_EQ(g_random_counter, mid);
}

}  // namespace
