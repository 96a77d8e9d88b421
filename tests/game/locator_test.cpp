// The ship locator: its status sheet for ships in port and under way, the position pad's target,
// and whole sessions driven by keys and clicks on the headless host.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "game/state_reset.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "views/globe.h"
#include "game/main_procedure.h"
#include "world/records.h"
#include "world/routes.h"
#include "views/ship_locator.h"
#include "game/startup.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"

namespace {

constexpr int32_t kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

class Locator : public testing::Test {
  protected:
    void SetUp() override {
        reset();
        saved_length_ = g_route_table[1].length;
        g_route_table[1].length = 3600;  // London - New York, a round figure for the arrival times
    }
    void TearDown() override {
        g_route_table[1].length = saved_length_;
        g_quit = 0;
    }

    // The engine, the toolkit and the pad as the start-up leaves them.
    static void reset() {
        harness_start_engine();
        if (g_font_sys13.data == nullptr) {
            ASSERT_EQ(font_load("sys13.fnt", &g_font_sys13), 1);
        }
        all_state_reset();
    }

    // A ship of the given state; the name is always "Aurora".
    static Ship ship() {
        Ship s = {};
        std::snprintf(s.name, sizeof s.name, "Aurora");
        s.port = 1;  // London
        return s;
    }

    // Opens the locator for the ship with the script already queued; the wall-clock time it took.
    static double run_session(Ship* s) {
        auto start = std::chrono::steady_clock::now();
        show_ship_locator(s);
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

    static bool pad_listed() {
        for (Gadget* g = g_gadget_list; g != nullptr; g = g->next)
            if (g->id == 99) return true;
        return false;
    }

    int32_t saved_length_ = 0;
};

TEST_F(Locator, StatusLines) {
    struct Case {
        const char* name;
        int8_t route, cargo, port;
        int16_t direction;
        int32_t sailed, speed, layup, road, heaving, shipyard, discharging, loading;
        const char* lines[4];  // the lines after the name
    };
    const Case cases[] = {
        {"laid up wins over the yard",
         0,
         0,
         1,
         0,
         0,
         0,
         3,
         0,
         0,
         4,
         2,
         0,
         {"Mooring: Lon", "laid up", "", ""}},
        {"in the road", 0, 0, 9, 0, 0, 0, 0, 2, 0, 4, 0, 0, {"Mooring: New", "In the road", "", ""}},
        {"in the shipyard", 0, 0, 1, 0, 0, 0, 0, 0, 0, 4, 2, 1, {"Mooring: Lon", "shipyard + 4", "", ""}},
        {"discharging", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 1, {"Mooring: Lon", "Discharging", "", ""}},
        {"loading", 0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, {"Mooring: Lon", "Loading", "", ""}},
        {"ready", 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, {"Mooring: Lon", "Ready", "", ""}},
        {"chartered, not yet under way",
         1,
         3,
         1,
         0,
         0,
         15,
         0,
         0,
         0,
         0,
         0,
         5,
         {"Mooring: Lon", "Loading", "", ""}},
        {"under way to B",
         1,
         3,
         1,
         1,
         1000,
         15,
         0,
         0,
         0,
         0,
         0,
         0,
         {"Metalware", "from  Lon", "to New", "15kn ETA+8"}},
        {"under way to A in ballast",
         1,
         0,
         9,
         -1,
         0,
         10,
         0,
         0,
         0,
         0,
         0,
         0,
         {"Ballast", "from  New", "to Lon", "10kn ETA+16"}},
        {"heaving to",
         1,
         3,
         1,
         1,
         0,
         10,
         1,
         0,
         2,
         0,
         0,
         0,
         {"Metalware", "from  Lon", "to New", "Heaving, ETA+19"}},
        {"stopped at sea in the yard",
         1,
         3,
         1,
         1,
         500,
         0,
         0,
         0,
         0,
         5,
         0,
         0,
         {"Metalware", "from  Lon", "to New", "shipyard + 5"}},
        {"stopped at sea",
         1,
         3,
         1,
         1,
         500,
         0,
         0,
         0,
         0,
         0,
         0,
         0,
         {"Metalware", "from  Lon", "to New", "Ready to sail"}},
    };
    for (const Case& c : cases) {
        Ship s = ship();
        s.route = c.route, s.cargo = c.cargo, s.port = c.port, s.direction = c.direction;
        s.sailed_nm = c.sailed, s.speed = c.speed, s.layup_days = c.layup, s.road_days = c.road;
        s.heaving_days = c.heaving, s.shipyard_days = c.shipyard, s.discharging_days = c.discharging;
        s.loading_days = c.loading;
        LocatorStatus status = {};
        locator_status_lines(&s, &status);
        EXPECT_STREQ(status.lines[0], "MS Aurora") << c.name;
        for (int32_t i = 0; i < 4; ++i)
            EXPECT_STREQ(status.lines[i + 1], c.lines[i]) << c.name << ", line " << i + 2;
    }
}

TEST_F(Locator, PadTarget) {
    struct Case {
        uint16_t hpot, vpot;
        int32_t lon, lat;
    };
    const Case cases[] = {
        {32768, 32768, 0, 0},
        {0, 0, -200, 100},
        {65535, 65535, 199, -99},
        {32768 + 4096, 32768 - 2048, 25, 7},
    };
    for (const Case& c : cases) {
        g_locator_pad_info.hpot = c.hpot;
        g_locator_pad_info.vpot = c.vpot;
        int32_t lon = 0;
        int32_t lat = 0;
        locator_pad_target(&lon, &lat);
        EXPECT_EQ(lon, c.lon) << c.hpot << "," << c.vpot;
        EXPECT_EQ(lat, c.lat) << c.hpot << "," << c.vpot;
    }
}

// Arrow keys move the knob by one step per key, clamped to the pad; once the keys stop, the full
// redraw turns the globe to the knob's target; OK ends the session with every gadget gone.
TEST_F(Locator, ArrowKeysTurnTheGlobeAndOkEnds) {
    struct Case {
        const char* name;
        uint16_t hpot, vpot;
        int32_t keys[4];  // 0 = none
        uint16_t want_hpot, want_vpot;
    };
    const Case cases[] = {
        {"four steps east", 32768, 32768, {kRight, kRight, kRight, kRight}, 32768 + 4096, 32768},
        {"north and west", 32768, 32768, {kUp, kLeft, kUp, 0}, 32768 - 1024, 32768 - 4096},
        {"clamped at the east and north", 65000, 1000, {kRight, kRight, kUp, 0}, 65535, 0},
        {"clamped at the west and south", 500, 64000, {kLeft, kDown, 0, 0}, 0, 65535},
    };
    for (const Case& c : cases) {
        reset();
        g_locator_pad_info.hpot = c.hpot;
        g_locator_pad_info.vpot = c.vpot;
        uint32_t t = 200;
        for (int32_t k : c.keys) {
            if (k == 0) continue;
            headless_script(t, HEADLESS_KEY, k);
            t += 200;
        }
        headless_script(t + 4000, HEADLESS_KEY, 13);  // well after the idle redraw
        Ship s = ship();
        s.route = 1, s.direction = 1, s.sailed_nm = 1500, s.speed = 15, s.cargo = 3;
        double ms = run_session(&s);
        EXPECT_EQ(g_locator_pad_info.hpot, c.want_hpot) << c.name;
        EXPECT_EQ(g_locator_pad_info.vpot, c.want_vpot) << c.name;
        int32_t lon = 0;
        int32_t lat = 0;
        locator_pad_target(&lon, &lat);
        EXPECT_EQ(g_globe.view_lon, lon) << c.name;
        EXPECT_EQ(g_globe.view_lat, lat) << c.name;
        // Only the full redraw shades: the gliding globe keeps its plain colours.
        int32_t shaded_sea = 0;
        for (int32_t y = 14; y <= 186; ++y)
            for (int32_t x = 6; x <= 198; ++x) shaded_sea += g_screen_buffer[y * 320 + x] >= 192;
        EXPECT_GT(shaded_sea, 2000) << c.name;
        EXPECT_EQ(headless_pending_events(), 0u) << c.name;
        EXPECT_FALSE(pad_listed()) << c.name;
        EXPECT_EQ(g_screen_button_last, -1) << c.name;
        EXPECT_LT(headless_now(), t + 4500) << c.name;  // ended on the Enter key
        EXPECT_LT(ms, 1500.0) << c.name;  // a session costs milliseconds, not its virtual seconds
    }
}

// A click on the pad pages the knob one step toward the pointer (up and left here); its release
// turns the globe to the new target at once; the OK button ends the session.
TEST_F(Locator, PadClickTurnsTheGlobeAndOkButtonEnds) {
    // Held for a few passes of the loop, as a hand would.
    headless_script(300, HEADLESS_LEFT_DOWN, 230, 110);
    headless_script(500, HEADLESS_LEFT_UP);
    headless_script(3000, HEADLESS_LEFT_DOWN, 210, 90);  // OK
    headless_script(3200, HEADLESS_LEFT_UP);
    Ship s = ship();
    s.port = 9;  // moored in New York
    run_session(&s);
    EXPECT_EQ(s.lon, -740);
    EXPECT_EQ(s.lat, 407);
    EXPECT_EQ(g_locator_pad_info.hpot, 32768 - 1024);
    EXPECT_EQ(g_locator_pad_info.vpot, 32768 - 2048);
    EXPECT_EQ(g_globe.view_lon, -7);
    EXPECT_EQ(g_globe.view_lat, 7);
    EXPECT_EQ(headless_pending_events(), 0u);
    EXPECT_LT(headless_now(), 3500u);
    EXPECT_FALSE(pad_listed());
    EXPECT_EQ(g_screen_button_last, -1);
}

TEST_F(Locator, FirstScreenAndQuit) {
    g_quit = 1;  // the session draws its first screen and leaves after one pass
    Ship s = ship();
    s.route = 1, s.direction = 1, s.sailed_nm = 1500, s.speed = 15;
    run_session(&s);
    EXPECT_EQ(g_globe.view_lon, s.lon / 10);
    EXPECT_EQ(g_globe.view_lat, s.lat / 10);
    auto at = [](int32_t x, int32_t y) { return g_screen_buffer[y * 320 + x]; };
    EXPECT_EQ(at(199, 50), 14);   // the pointer line starts at the globe's edge
    EXPECT_EQ(at(230, 147), 13);  // the cross-hair
    EXPECT_EQ(at(268, 190), 13);
    EXPECT_EQ(at(300, 30), 7);  // the status sheet
    EXPECT_FALSE(pad_listed());
    EXPECT_EQ(g_screen_button_last, -1);
}

}  // namespace
