// The disk prompt of the start-up for a missing picture file: it comes back each time it is closed
// while the file is still missing, and stops as soon as the file is there again. The file is put
// back from inside the prompt's own input poll (the right button runs the menu hook, which the test
// takes over), so the moment is exact in virtual time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/state_reset.h"
#include "engine/font.h"
#include "engine/input.h"
#include "game/startup.h"
#include "host/headless_host.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"

namespace fs = std::filesystem;

namespace {

// The file to put back and how often the hook ran.
std::string g_put_back;
int32_t g_hook_runs = 0;

constexpr uint32_t WATCHDOG_MS = 20000;

void put_file_back() {
    if (headless_now() >= WATCHDOG_MS) {
        // Every Enter has been used up and the prompt is still there: it would never end.
        std::fprintf(stdout, "the disk prompt did not end\n");
        std::fflush(stdout);
        std::_Exit(1);
    }
    ++g_hook_runs;
    if (!fs::exists(g_put_back)) fs::create_symlink(fs::path(harness_data_dir()) / g_put_back, g_put_back);
}

struct PromptCase {
    const char* file;
    const char* fallback;
    int32_t back_during;  // the prompt during which the file comes back; 0 = there from the start
    int32_t prompts;      // how many prompts the player closes
};

// The second file's fallback names drive B, which never exists here: the name itself is tried
// again, so putting the disk's file back ends the prompt the same way.
const PromptCase kPromptCases[] = {
    {"IB1VGA.DAT", nullptr, 0, 0},          {"IB1VGA.DAT", nullptr, 1, 1},
    {"IB1VGA.DAT", nullptr, 3, 3},          {"IB2VGA.DAT", "B:\\IB2VGA.DAT", 0, 0},
    {"IB2VGA.DAT", "B:\\IB2VGA.DAT", 1, 1}, {"IB2VGA.DAT", "B:\\IB2VGA.DAT", 2, 2},
};

constexpr int32_t ENTER_KEYS = 5;  // one closes each prompt, a second apart

class DiskPrompt : public testing::TestWithParam<PromptCase> {
  protected:
    void SetUp() override {
        harness_start_engine();
        all_state_reset();
        kept_font_ = g_font_sys13;
        g_font_sys13 = Font{};
        ASSERT_NE(font_load("sys13.fnt", &g_font_sys13), 0);
        home_ = fs::current_path();
        dir_ = home_ / "prompt";
        fs::remove_all(dir_);
        fs::create_directory(dir_);
        fs::current_path(dir_);
        kept_hook_ = g_menu_run_hook;
        g_menu_run_hook = put_file_back;
        g_hook_runs = 0;
    }
    void TearDown() override {
        g_menu_run_hook = kept_hook_;
        fs::current_path(home_);
        fs::remove_all(dir_);
        font_free(&g_font_sys13);
        g_font_sys13 = kept_font_;
    }

    fs::path home_;
    fs::path dir_;
    Font kept_font_{};
    void (*kept_hook_)() = nullptr;
};

TEST_P(DiskPrompt, ComesBackUntilTheFileIsThere) {
    const PromptCase& c = GetParam();
    g_put_back = c.file;
    if (c.back_during == 0) put_file_back();
    for (int32_t k = 1; k <= ENTER_KEYS; ++k) headless_script(1000u * k, HEADLESS_KEY, 13);
    if (c.back_during > 0) {
        // Prompt k is on screen between the (k-1)-th and the k-th Enter.
        uint32_t at = 1000u * c.back_during - 500;
        headless_script(at, HEADLESS_RIGHT_DOWN, 20, 20);
        headless_script(at + 100, HEADLESS_RIGHT_UP);
    }
    headless_script(WATCHDOG_MS, HEADLESS_RIGHT_DOWN, 20, 20);

    testing::internal::CaptureStderr();
    wait_for_picture_file(c.file, c.fallback, "Please insert disk", "into the drive");
    std::string err = testing::internal::GetCapturedStderr();

    int32_t closed = ENTER_KEYS + 1 - static_cast<int32_t>(headless_pending_events());
    EXPECT_EQ(closed, c.prompts);
    if (c.prompts == 0) {
        EXPECT_TRUE(err.empty()) << err;
        EXPECT_EQ(headless_now(), 0u) << "no prompt, no wait";
    } else {
        EXPECT_NE(err.find(c.file), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << "reported once: " << err;
        EXPECT_GE(g_hook_runs, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DiskPrompt, testing::ValuesIn(kPromptCases));

}  // namespace
