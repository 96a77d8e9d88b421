// The flat map: where positions land, what is drawn for ships and storms.
#include <gtest/gtest.h>

#include "game/state_reset.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "views/main_screen.h"
#include "world/projection.h"
#include "world/records.h"
#include "world/weather.h"
#include "views/world_map.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"

namespace {

TEST(MapProjection, EdgesAndClamps) {
    struct Case {
        int32_t lat, lon, x, y;
    };
    const Case cases[] = {
        {0, 1800, 245, 82},   {0, -1800, 9, 82},  {700, 0, 127, 33}, {-900, 0, 127, 145}, {900, 0, 127, 19},
        {-1000, 0, 127, 145}, {1200, 0, 127, 18}, {0, -3600, 9, 82}, {0, 3600, 246, 82},  {525, 0, 127, 45},
    };
    for (const Case& c : cases) {
        g_project_lat = c.lat;
        g_project_lon = c.lon;
        project_flat_map_point();
        EXPECT_EQ(g_project_x, c.x) << c.lat << "," << c.lon;
        EXPECT_EQ(g_project_y, c.y) << c.lat << "," << c.lon;
    }
}

class WorldMap : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        ASSERT_NE(picture_files_open("ib1vga.dat", "ib2vga.dat"), 0);
        picture_load(1, g_background_buffer);
        for (Shipowner& o : g_shipowners) o = Shipowner{};
        g_shipowner_count = 2;
        ships_[0] = Ship{};
        ships_[1] = Ship{};
        ships_[0].lat = 0;
        ships_[0].lon = 0;  // at (127, 82)
        ships_[1].lat = 525;
        ships_[1].lon = 0;  // at (127, 45)
        g_shipowners[0].ships = &ships_[0];
        g_shipowners[1].ships = &ships_[1];
        for (auto& row : g_wind_grid)
            for (int8_t& f : row) f = 3;
    }
    void TearDown() override {
        for (Shipowner& o : g_shipowners) o.ships = nullptr;
        g_shipowner_count = 0;
        picture_files_close();
    }
    Ship ships_[2];
};

TEST_F(WorldMap, ShipsInTheirOwnersColoursAndNoneOfAnEliminatedOwner) {
    g_shipowners[1].out_of_game = 1;
    g_random_counter = 0;
    uint16_t seed = g_random_seed;
    draw_world_map();
    EXPECT_EQ(screen_get_pixel(127, 82), 1);  // owner 0's colour
    EXPECT_EQ(screen_get_pixel(126, 83), 1);
    EXPECT_EQ(screen_get_pixel(125, 81), 1);
    EXPECT_EQ(screen_get_pixel(130, 81), 0);  // outline
    EXPECT_EQ(screen_get_pixel(123, 84), 0);
    EXPECT_EQ(screen_get_pixel(127, 45), g_background_buffer[45 * SCREEN_WIDTH + 127]);
    // Calm weather: no numbers and no random numbers drawn.
    EXPECT_EQ(g_random_seed, seed);
    EXPECT_EQ(g_random_counter, 0);
}

TEST_F(WorldMap, StormsOfForceEightOrMoreGetANumber) {
    Font kept = g_font_sys8;  // a font another test keeps loaded
    ASSERT_NE(font_load("sys8.fnt", &g_font_sys8), 0);
    g_shipowner_count = 0;
    g_wind_grid[2][6] = 9;  // the cell of (0, 0)
    ASSERT_EQ(weather_wind_at(0, 0), 9);
    draw_world_map();
    font_free(&g_font_sys8);
    g_font_sys8 = kept;
    int32_t white = 0;
    for (int32_t y = 78; y < 95; ++y)
        for (int32_t x = 123; x < 140; ++x)
            if (screen_get_pixel(x, y) == 15) ++white;
    EXPECT_GT(white, 3);
}

// A ship shown for a letter: the main screen comes up when it is not on display (with the running
// clock's image), the map is redrawn, and the ship blinks eight times, six ticks off and six on.
TEST_F(WorldMap, ShowMapWithShipBlinksTheShip) {
    struct Case {
        bool shown;
        bool with_ship;
        bool leave;
    };
    const Case cases[] = {
        {false, true, false}, {true, true, false}, {false, false, false},
        {true, false, false}, {false, true, true},
    };
    for (const Case& c : cases) {
        harness_start_engine();
        picture_load(1, g_background_buffer);
        g_main_screen_shown = c.shown ? 1 : 0;
        g_run_button_state = -1;
        set_draw_color(99);
        fill_rect(0, 0, 319, 199);  // what covered the screen before
        uint32_t start = headless_now();
        Ship* ship = c.with_ship ? &ships_[1] : nullptr;
        if (c.leave) {
            show_map_with_ship_and_leave(1, &g_shipowners[1], ship);
        } else {
            show_map_with_ship(1, &g_shipowners[1], ship);
        }
        uint32_t ms = headless_now() - start;
        const char* what = c.shown ? "shown" : "not shown";
        EXPECT_EQ(ms, c.with_ship ? 8u * 12u * 16u : 0u) << what;
        if (c.leave) {
            EXPECT_EQ(g_main_screen_shown, 0);
            EXPECT_EQ(screen_get_pixel(127, 45), 0) << "the screen is cleared on leaving";
            continue;
        }
        // The map is drawn afresh either way; the rest of the screen only when it was not shown.
        EXPECT_EQ(screen_get_pixel(20, 130), g_background_buffer[130 * SCREEN_WIDTH + 20]) << what;
        EXPECT_EQ(screen_get_pixel(100, 180) == 99, c.shown) << what;
        EXPECT_EQ(g_run_button_state, c.shown ? -1 : 0) << what;
        EXPECT_EQ(g_main_screen_shown, c.shown ? 1 : 0) << what;
        // The blinking ends with the ship in its owner's colour (owner 1: colour 2).
        EXPECT_EQ(screen_get_pixel(127, 45), 2) << what;
        EXPECT_EQ(screen_get_pixel(126, 46), 2) << what;
    }
}

// Storm numbers are sampled on a 30-degree grid from 60 south to 60 north and 150 west to 150 east;
// each number shown draws two random offsets, and calm samples draw none.
TEST_F(WorldMap, StormSamplesAndTheirRandomDraws) {
    struct Case {
        const char* what;
        int8_t everywhere;
        int32_t row, column;  // one cell set to force, -1 for none
        int8_t force;
        int32_t draws;
    };
    const Case cases[] = {
        {"a gale everywhere", 8, -1, -1, 0, 2 * 55},     {"force 7 everywhere", 7, -1, -1, 0, 0},
        {"the cell of (0, 0)", 3, 2, 6, 9, 2},           {"the southernmost row", 3, 5, 4, 12, 0},
        {"the column west of 150 west", 3, 2, 0, 12, 0},
    };
    Font kept = g_font_sys8;
    ASSERT_NE(font_load("sys8.fnt", &g_font_sys8), 0);
    g_shipowner_count = 0;
    for (const Case& c : cases) {
        for (auto& row : g_wind_grid)
            for (int8_t& f : row) f = c.everywhere;
        if (c.row >= 0) g_wind_grid[c.row][c.column] = c.force;
        g_random_counter = 0;
        draw_world_map();
        EXPECT_EQ(g_random_counter, c.draws) << c.what;
    }
    font_free(&g_font_sys8);
    g_font_sys8 = kept;
}

}  // namespace
