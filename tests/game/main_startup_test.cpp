// The start-up and shut-down of the game thread, run in a working directory of its own from which
// one data file at a time is missing: what ends the start, what it reports, what it leaves behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "engine/font.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "game/game_main.h"
#include "game/startup.h"
#include "host/headless_host.h"
#include "host/platform.h"
#include "host/sound_library.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/menu_strip.h"
#include "ui/project_menu.h"

namespace fs = std::filesystem;

namespace {

// Runs game_main in a fresh directory holding every data file but `missing`. The engine's buffers
// are handed to the start-up (which allocates its own) and the default font, which the shut-down
// frees, is loaded again afterwards for the tests that follow.
class StartUp : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        sound_library_reset();
        g_globe_y_divisor = 8;
        home_ = fs::current_path();
        static int32_t runs = 0;
        dir_ = home_ / ("start-" + std::to_string(++runs));
        fs::remove_all(dir_);
        fs::create_directory(dir_);
    }

    void TearDown() override {
        fs::current_path(home_);
        fs::remove_all(dir_);
        if (g_default_font.data == nullptr) font_load("sys8.fnt", &g_default_font);
        sound_library_reset();
    }

    void link_data_except(const std::string& missing) {
        for (const auto& entry : fs::directory_iterator(harness_data_dir()))
            if (entry.path().filename() != missing)
                fs::create_symlink(entry.path(), dir_ / entry.path().filename());
    }

    void link_data_file(const std::string& name) {
        fs::create_symlink(fs::path(harness_data_dir()) / name, dir_ / name);
    }

    static void release_engine_buffers() {
        std::free(g_screen_buffer);
        std::free(g_background_buffer);
        std::free(g_sheet_buffer);
        g_screen_buffer = g_background_buffer = g_sheet_buffer = nullptr;
        font_free(&g_default_font);
    }

    // game_main in the test directory; returns what it wrote on stderr.
    std::string run_game_main() {
        fs::current_path(dir_);
        release_engine_buffers();
        // The start-up loads and frees the game fonts itself; fonts other tests keep loaded are set
        // aside meanwhile.
        Font* fonts[4] = {&g_font_sys8, &g_font_sys13, &g_font_sys7b, &g_font_sys8b};
        Font kept[4];
        for (int32_t i = 0; i < 4; ++i) {
            kept[i] = *fonts[i];
            *fonts[i] = Font{};
        }
        testing::internal::CaptureStderr();
        game_main();
        std::string err = testing::internal::GetCapturedStderr();
        fs::current_path(home_);
        for (int32_t i = 0; i < 4; ++i) {
            loaded_after_[i] = fonts[i]->data != nullptr;
            *fonts[i] = kept[i];
        }
        return err;
    }

    fs::path home_;
    fs::path dir_;
    bool loaded_after_[4] = {};
};

struct MissingCase {
    const char* file;
};

class StartUpMissingFile : public StartUp, public testing::WithParamInterface<MissingCase> {};

// A missing font or sound library ends the start before the title: no main procedure, one line on
// stderr naming the file, and the shut-down has released the pictures and fonts.
TEST_P(StartUpMissingFile, EndsTheStartAndNamesTheFile) {
    const std::string missing = GetParam().file;
    link_data_except(missing);
    std::string err = run_game_main();

    EXPECT_NE(err.find(missing), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(g_globe_y_divisor, 8) << "the main procedure must not run";
    EXPECT_EQ(headless_now(), 4u * 16u) << "only the start-up's four ticks pass";
    EXPECT_TRUE(fs::is_directory(dir_ / "games"));
    EXPECT_EQ(g_picture_file1, -1);
    EXPECT_EQ(g_picture_file2, -1);
    for (bool loaded : loaded_after_) EXPECT_FALSE(loaded) << "the shut-down frees every game font";
    EXPECT_EQ(g_default_font.data, nullptr);
    // What the start-up set before it gave up.
    EXPECT_EQ(g_startup_sound_mode, 2);
    EXPECT_EQ(g_menu_strip, project_menu_strip());
    EXPECT_EQ(g_gui_palette[0][2], 16) << "dark blue backdrop";
    EXPECT_EQ(g_random_seed, 64) << "seeded from the clock after the four ticks";
    EXPECT_EQ(g_locator_pad_info.flags, 6);
    EXPECT_EQ(g_locator_pad_info.hpot, 32768);
    EXPECT_EQ(g_locator_pad_info.vpot, 32768);
    EXPECT_EQ(g_locator_pad_info.hbody, 1024);
    EXPECT_EQ(g_locator_pad_info.vbody, 2048);
}

INSTANTIATE_TEST_SUITE_P(Files, StartUpMissingFile,
                         testing::Values(MissingCase{"sys13.fnt"}, MissingCase{"sys7b.fnt"},
                                         MissingCase{"sys8b.fnt"}, MissingCase{"sounds.dat"}),
                         [](const testing::TestParamInfo<MissingCase>& info) {
                             std::string name = info.param.file;
                             for (char& c : name)
                                 if (c == '.') c = '_';
                             return name;
                         });

// Without the default font the engine cannot start at all: the program ends.
TEST_F(StartUp, WithoutTheDefaultFontTheProgramEnds) {
    link_data_except("sys8.fnt");
    fs::current_path(dir_);
    EXPECT_EXIT(game_main(), testing::ExitedWithCode(254), "sys8.fnt");
    fs::current_path(home_);
}

}  // namespace
