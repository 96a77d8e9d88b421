// The start-up and shut-down of the game thread, run in a working directory of its own from which
// one data file at a time is missing: what ends the start, what it reports, what it leaves behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "views/ship_locator.h"
#include "ui/game_file_name.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/frame_handover.h"
#include "engine/input.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "game/game_main.h"
#include "game/startup.h"
#include "host/headless_host.h"
#include "host/platform.h"
#include "host/sound_library.h"
#include "game/state_reset.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/menu_strip.h"
#include "ui/project_menu.h"
#include "ui/requester.h"

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
        all_state_reset();
        // The program starts without its fonts: earlier cases of this process may have loaded them.
        for (Font* font : {&g_font_sys8, &g_font_sys13, &g_font_sys7b, &g_font_sys8b}) font_free(font);
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
        begin_game_main();
        game_main();
        return end_game_main();
    }

    // The start of the game's run: into the test directory, the engine's buffers and fonts handed
    // over, stderr captured, and the window's copy of the frame blank.
    void begin_game_main() {
        fs::current_path(dir_);
        g_frame_dirty = true;
        frame_publish();
        release_engine_buffers();
        // The start-up loads and frees the game fonts itself; fonts other tests keep loaded are set
        // aside meanwhile.
        for (int32_t i = 0; i < 4; ++i) {
            kept_[i] = *kFonts[i];
            *kFonts[i] = Font{};
        }
        testing::internal::CaptureStderr();
    }

    std::string end_game_main() {
        std::string err = testing::internal::GetCapturedStderr();
        fs::current_path(home_);
        for (int32_t i = 0; i < 4; ++i) {
            loaded_after_[i] = kFonts[i]->data != nullptr;
            *kFonts[i] = kept_[i];
        }
        return err;
    }

    static constexpr Font* kFonts[4] = {&g_font_sys8, &g_font_sys13, &g_font_sys7b, &g_font_sys8b};
    Font kept_[4];
    fs::path home_;
    fs::path dir_;
    bool loaded_after_[4] = {};
};

struct MissingCase {
    const char* file;
    bool junk;             // there, but 300 bytes of junk: not a font, a picture directory cut short
    const char* reported;  // what the stderr line names
};

class StartUpMissingFile : public StartUp, public testing::WithParamInterface<MissingCase> {};

// A missing font or sound library, or picture files that cannot be read, end the start before the
// title: no main procedure, one line on stderr naming the file, and the shut-down has released the
// pictures and fonts.
TEST_P(StartUpMissingFile, EndsTheStartAndNamesTheFile) {
    const std::string missing = GetParam().file;
    link_data_except(missing);
    if (GetParam().junk) harness_write_file((dir_ / missing).string(), std::string(300, 'x'));
    g_locator_pad_info = {};  // the start-up itself must set the pad up
    std::string err = run_game_main();

    EXPECT_NE(err.find(GetParam().reported), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_STREQ(g_game_file_pattern, "") << "the main procedure must not run";
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
                         testing::Values(MissingCase{"sys13.fnt", false, "sys13.fnt is missing"},
                                         MissingCase{"sys7b.fnt", false, "sys7b.fnt is missing"},
                                         MissingCase{"sys8b.fnt", false, "sys8b.fnt is missing"},
                                         MissingCase{"sys13.fnt", true, "sys13.fnt is damaged"},
                                         MissingCase{"sys8b.fnt", true, "sys8b.fnt is damaged"},
                                         MissingCase{"sounds.dat", false, "sounds.dat"},
                                         MissingCase{"IB1VGA.DAT", true, "ib1vga.dat"}),
                         [](const testing::TestParamInfo<MissingCase>& info) {
                             std::string name = std::string(info.param.junk ? "junk_" : "") + info.param.file;
                             for (char& c : name)
                                 if (c == '.') c = '_';
                             return name;
                         });

// Without the default font the engine cannot start at all: the program ends, saying whether the
// file is not there or not a font.
TEST_F(StartUp, WithoutTheDefaultFontTheProgramEnds) {
    link_data_except("sys8.fnt");
    fs::current_path(dir_);
    EXPECT_EXIT(game_main(), testing::ExitedWithCode(254), "sys8.fnt is missing");
    harness_write_file("sys8.fnt", std::string(300, 'x'));
    EXPECT_EXIT(game_main(), testing::ExitedWithCode(254), "sys8.fnt is damaged");
    fs::current_path(home_);
}

// ---- The disk prompts, with the game on a thread of its own ---------------------------------------
//
// Here the test plays the window: it watches the frames the game hands over, types keys into the
// key slot and puts the missing file back, in real time, as a player would.

constexpr auto kPatience = std::chrono::seconds(20);

// Waits until done() holds; a game that never gets there cannot be stopped, so the run ends.
template <typename Done>
void wait_until(Done done, const char* what) {
    auto give_up = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > give_up) {
            std::printf("gave up waiting: %s\n", what);
            std::fflush(stdout);
            std::_Exit(1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The frame the window was last handed; the start-up draws nothing before its first prompt.
std::vector<uint8_t> presented_frame() {
    std::vector<uint8_t> pixels(SCREEN_BYTES);
    frame_front_read(pixels.data(), nullptr);
    return pixels;
}

bool prompt_on_screen() {
    std::vector<uint8_t> pixels = presented_frame();
    return std::any_of(pixels.begin(), pixels.end(), [](uint8_t p) { return p != 0; });
}

// Types Enter into the key slot and waits until the game has taken it.
void press_enter() {
    key_slot_store(13);
    wait_until([] { return g_key_slot.load() == 0; }, "the prompt to take the key");
}

struct PromptCase {
    const char* file;
    const char* line1;
    const char* line2;
    int32_t closed_in_vain;  // times the player closes the prompt before the file is back
};

const PromptCase kPromptCases[] = {
    {"IB1VGA.DAT", "Please insert disk 3 (EGA-1)", "into the current drive", 0},
    {"IB1VGA.DAT", "Please insert disk 3 (EGA-1)", "into the current drive", 2},
    {"IB2VGA.DAT", "Please insert disk 4 (EGA-2)", "into drive B", 0},
    {"IB2VGA.DAT", "Please insert disk 4 (EGA-2)", "into drive B", 2},
};

class StartUpDiskPrompt : public StartUp, public testing::WithParamInterface<PromptCase> {};

// The prompt for a missing picture file comes back each time it is closed, and ends once the file
// is back; the start then goes on in its order (here to the missing sound library, which ends it).
// At the prompt the fonts, the random seed and the locator pad are set, and neither the picture
// files nor the sound library are open yet.
TEST_P(StartUpDiskPrompt, RepeatsUntilTheFileIsBackThenTheStartGoesOn) {
    const PromptCase& c = GetParam();
    link_data_except(c.file);
    fs::remove(dir_ / "sounds.dat");
    begin_game_main();
    std::atomic<bool> ended{false};
    std::thread game([&ended] {
        game_main();
        ended = true;
    });

    wait_until(prompt_on_screen, "the disk prompt");
    std::vector<uint8_t> prompt = presented_frame();
    bool fonts_at_prompt = g_font_sys8.data != nullptr && g_font_sys13.data != nullptr &&
                           g_font_sys7b.data != nullptr && g_font_sys8b.data != nullptr;
    uint16_t seed_at_prompt = g_random_seed;
    int32_t pad_at_prompt = g_locator_pad_info.vbody;
    int32_t picture_file_at_prompt = g_picture_file1;
    int32_t sound_mode_at_prompt = g_sound_mode;
    bool games_at_prompt = fs::is_directory(dir_ / "games");
    bool shown_again = true;
    for (int32_t i = 0; i < c.closed_in_vain; ++i) {
        press_enter();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        shown_again = shown_again && !ended && presented_frame() == prompt;
    }
    link_data_file(c.file);
    press_enter();
    wait_until([&ended] { return ended.load(); }, "the start-up to end");
    game.join();
    std::string err = end_game_main();

    EXPECT_TRUE(shown_again) << "the prompt must come back while the file is missing";
    EXPECT_TRUE(fonts_at_prompt);
    EXPECT_EQ(seed_at_prompt, 64);
    EXPECT_EQ(pad_at_prompt, 2048);
    EXPECT_EQ(picture_file_at_prompt, -1);
    EXPECT_NE(sound_mode_at_prompt, SOUND_MODE_WAVE);
    EXPECT_TRUE(games_at_prompt);
    EXPECT_EQ(g_sound_mode, SOUND_MODE_WAVE);
    EXPECT_STREQ(g_game_file_pattern, "") << "the sound library is missing: no game";

    // One line for the picture file at its first prompt, then one for the sound library.
    size_t picture_line = err.find(c.file);
    size_t sound_line = err.find("sounds.dat");
    EXPECT_NE(picture_line, std::string::npos) << err;
    EXPECT_NE(sound_line, std::string::npos) << err;
    EXPECT_LT(picture_line, sound_line) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;

    // The prompt said what the player has to do: the same box drawn here on a blank screen.
    if (g_default_font.data == nullptr) font_load("sys8.fnt", &g_default_font);
    Font kept13 = g_font_sys13;
    ASSERT_NE(font_load("sys13.fnt", &g_font_sys13), 0);
    std::memset(g_screen_buffer, 0, SCREEN_BYTES);
    const char* lines[] = {c.line1, c.line2, nullptr};
    message_box_open(lines, 0);
    int32_t differences = 0;
    for (int32_t i = 0; i < SCREEN_BYTES; ++i)
        if (g_screen_buffer[i] != prompt[i]) ++differences;
    message_box_close();
    font_free(&g_font_sys13);
    g_font_sys13 = kept13;
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Files, StartUpDiskPrompt, testing::ValuesIn(kPromptCases));

// The window closed while a prompt keeps coming back ends the program; the missing file was named
// on stderr at its first prompt.
TEST_F(StartUp, ClosingTheWindowEndsTheRepeatingPrompt) {
    link_data_except("IB2VGA.DAT");
    fs::current_path(dir_);
    EXPECT_EXIT(
        {
            release_engine_buffers();
            std::thread(game_main).detach();
            wait_until(prompt_on_screen, "the disk prompt");
            press_enter();
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            platform_exit(0);  // what the window does when it is closed
        },
        testing::ExitedWithCode(0), "IB2VGA\\.DAT");
    fs::current_path(home_);
}

}  // namespace
