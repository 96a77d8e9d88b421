// What the window reads of the game's files before the game starts: the instructions page,
// through the game's file layer and only when its header is the page's, and the icon, painted
// from the game's own pictures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/sdl_window.h"
#include "host/window_icon.h"

namespace fs = std::filesystem;

namespace {

class WindowFiles : public testing::Test {
  protected:
    void SetUp() override {
        home_ = fs::current_path();
        dir_ = home_ / "files";
        fs::remove_all(dir_);
        fs::create_directory(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        host_window_close();
        fs::current_path(home_);
        fs::remove_all(dir_);
    }
    static void link_data(const char* name) {
        fs::create_symlink(fs::path(MARIVANE_DATA_DIR) / name, name);
    }
    static void open_window() {
        SdlHostOptions options{CODE_PAGE_437, 640, 419};
        ASSERT_EQ(host_window_open(&options), 1) << SDL_GetError();
    }
    fs::path home_, dir_;
};

TEST_F(WindowFiles, TheInstructionsPageOrWhyItIsNotThere) {
    struct Case {
        const char* name;
        void (*make)();
        const char* note;  // null: the page is there
    };
    const Case cases[] = {
        {"the page", [] { link_data("instructions.bmp"); }, nullptr},
        {"missing", [] {}, "The instructions page instructions.bmp is missing."},
        {"a header claiming 100000 x 100000 pixels",
         [] {
             std::string b(54, '\0');
             b[0] = 'B', b[1] = 'M', b[10] = 54, b[14] = 40, b[26] = 1, b[28] = 24;
             b[18] = static_cast<char>(0xA0), b[19] = static_cast<char>(0x86), b[20] = 1;  // 100000
             b[22] = static_cast<char>(0xA0), b[23] = static_cast<char>(0x86), b[24] = 1;
             std::ofstream("instructions.bmp", std::ios::binary) << b;
         },
         "The instructions page instructions.bmp is damaged."},
        {"cut short",
         [] {
             std::ifstream in(fs::path(MARIVANE_DATA_DIR) / "instructions.bmp", std::ios::binary);
             std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
             std::ofstream("instructions.bmp", std::ios::binary) << b.substr(0, b.size() / 2);
         },
         "The instructions page instructions.bmp is damaged."},
        {"a pipe in its place", [] { ASSERT_EQ(mkfifo("instructions.bmp", 0644), 0); },
         "The instructions page instructions.bmp is damaged."},
        {"a folder in its place", [] { fs::create_directory("instructions.bmp"); },
         "The instructions page instructions.bmp is damaged."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all("instructions.bmp");
        c.make();
        auto start = std::chrono::steady_clock::now();
        open_window();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        if (c.note == nullptr) {
            EXPECT_EQ(g_host.picture.size(), 360u * 300u);
            EXPECT_EQ(g_host.picture_note, nullptr);
        } else {
            EXPECT_TRUE(g_host.picture.empty());
            EXPECT_STREQ(g_host.picture_note, c.note);
        }
        // The box opens either way.
        host_dialog_open(DIALOG_INSTRUCTIONS);
        EXPECT_NE(g_host.dialog.window, nullptr);
        host_window_close();
    }
}

TEST_F(WindowFiles, TheIconIsTheIntroShipFromThePictureFiles) {
    open_window();
    EXPECT_TRUE(g_host.icon.empty()) << "no picture files, no icon";
    host_window_close();
    link_data("IB1VGA.DAT");
    link_data("IB2VGA.DAT");
    open_window();
    ASSERT_EQ(g_host.icon.size(), static_cast<size_t>(WINDOW_ICON_SIZE * WINDOW_ICON_SIZE));
    auto at = [](int32_t x, int32_t y) { return g_host.icon[static_cast<size_t>(y * WINDOW_ICON_SIZE + x)]; };
    EXPECT_EQ(at(0, 0) >> 24, 0u) << "the sprite's clear colour is clear";
    EXPECT_EQ(at(63, 63) >> 24, 0u);
    int32_t solid = 0;
    for (uint32_t p : g_host.icon) solid += (p >> 24) == 255 ? 1 : 0;
    EXPECT_GT(solid, 64 * 64 / 5) << "the ship fills a good part of the icon";
}

}  // namespace
