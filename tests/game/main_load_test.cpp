// Loading a game from the menu strip while the main screen shows another: the loaded game's main
// screen is drawn at once and is the one a start from that file draws; a failed load leaves the
// screen as it was.
#include "game/state_reset.h"
#include "game/main_loop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "game/main_procedure.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "ui/project_menu.h"
#include "ui/screen_layout.h"
#include "views/day_dial.h"
#include "world/game_file.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

class MainLoadTest : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        ASSERT_NE(picture_files_open("ib1vga.dat", "ib2vga.dat"), 0);
        Font* fonts[4] = {&g_font_sys13, &g_font_sys8b, &g_font_sys8, &g_font_sys7b};
        const char* files[4] = {"sys13.fnt", "sys8b.fnt", "sys8.fnt", "sys7b.fnt"};
        for (int32_t i = 0; i < 4; ++i) {
            kept_[i] = *fonts[i];
            *fonts[i] = Font{};
            ASSERT_NE(font_load(files[i], fonts[i]), 0);
        }
        std::snprintf(g_game_file_pattern, sizeof g_game_file_pattern, "%s", "games\\*.trp");
        g_playing_duration = -1;
        g_difficulty = 1;
    }
    void TearDown() override {
        Font* fonts[4] = {&g_font_sys13, &g_font_sys8b, &g_font_sys8, &g_font_sys7b};
        for (int32_t i = 0; i < 4; ++i) {
            font_free(fonts[i]);
            *fonts[i] = kept_[i];
        }
        free_all_ships(SHIPOWNER_MAX);
        g_shipowner_count = 0;
        screen_buttons_clear();
        picture_files_close();
    }
    static void make_game(int32_t owners, int32_t day, const char* company) {
        free_all_ships(SHIPOWNER_MAX);
        for (Shipowner& o : g_shipowners) o = Shipowner{};
        g_shipowner_count = static_cast<int8_t>(owners);
        for (int32_t i = 0; i < owners; ++i) {
            g_shipowners[i].status = -1;
            g_shipowners[i].cash = 5000 + 3000 * i;
            g_shipowners[i].home_port = static_cast<int8_t>(1 + i);
            g_shipowners[i].net_worth_history[0] = 5000 + 3000 * i;
            std::snprintf(g_shipowners[i].company, RECORD_NAME_SIZE, "%s%d", company, i);
            std::snprintf(g_shipowners[i].name, RECORD_NAME_SIZE, "%s", "Owner");
            std::snprintf(g_shipowners[i].captain_name, RECORD_NAME_SIZE, "%s", "Captain");
        }
        g_day = day;
    }
    // Answers the load question and the file requester with the name.
    static void script_load(uint32_t at, const char* name) {
        headless_script(at, HEADLESS_KEY, 'y');
        headless_script(at + 400, HEADLESS_KEY, 13);
        headless_script_text(at + 600, name);
        uint32_t end = at + 600 + 100 * static_cast<uint32_t>(std::strlen(name)) + 200;
        headless_script(end, HEADLESS_KEY, 13);
        headless_script(end + 200, HEADLESS_KEY, 13);
        headless_script(end + 600, HEADLESS_KEY, 13);  // closes a message, should there be one
    }
    static std::vector<uint8_t> frame() {
        return std::vector<uint8_t>(g_screen_buffer, g_screen_buffer + SCREEN_BYTES);
    }

    Font kept_[4];
    MainLoop loop_ = {};
};

TEST_F(MainLoadTest, ALoadedGameIsDrawnAtOnceAsAStartFromItsFileDrawsIt) {
    // The game to load: one shipowner, a late week.
    std::filesystem::create_directories("games");
    make_game(1, 400, "Loaded");
    ASSERT_EQ(save_game_file("games\\one.trp"), GAME_SAVE_OK);
    // Its main screen after a start from the file.
    ASSERT_EQ(load_game_file("games\\one.trp"), GAME_LOAD_OK);
    weather_reset();
    main_screen_enter(&loop_);
    const std::vector<uint8_t> fresh = frame();

    // A two-shipowner game on screen, its clock run for a while, then Load from the menu.
    make_game(2, 30, "Old");
    main_screen_enter(&loop_);
    ASSERT_NE(frame(), fresh);
    g_project_command = PROJECT_LOAD;
    script_load(headless_now() + 100, "one");
    main_loop_pass(&loop_);
    EXPECT_EQ(g_shipowner_count, 1);
    EXPECT_EQ(g_day, 400);
    EXPECT_EQ(frame(), fresh) << "the loaded game's dial, panel, map and bars";
}

TEST_F(MainLoadTest, AFailedLoadLeavesTheScreenAsItWas) {
    make_game(2, 30, "Old");
    main_screen_enter(&loop_);
    const std::vector<uint8_t> before = frame();
    harness_write_file("games/bad.trp", "not a game at all");
    g_project_command = PROJECT_LOAD;
    script_load(headless_now() + 100, "bad");
    main_loop_pass(&loop_);
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_EQ(g_day, 30);
    EXPECT_EQ(frame(), before);
}

}  // namespace
