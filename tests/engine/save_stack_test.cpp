#include "engine/save_stack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/input.h"
#include "tests/harness/harness.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

struct Area {
    int32_t x0, y0, x1, y1;
};

class SaveStackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        screen_area_files_delete();
        g_area_saved = 0;
        for (int32_t i = 0; i < SCREEN_BYTES; ++i)
            g_screen_buffer[i] = static_cast<uint8_t>(i * 13 + i / 320);
    }
    void TearDown() override { screen_area_files_delete(); }
    static Bytes frame() { return Bytes(g_screen_buffer, g_screen_buffer + SCREEN_BYTES); }
    static void paint(const Area& a, uint8_t colour) {
        for (int32_t y = a.y0; y <= a.y1; ++y)
            for (int32_t x = a.x0; x <= a.x1; ++x) g_screen_buffer[y * SCREEN_WIDTH + x] = colour;
    }
    static bool exists(const char* name) { return fs::exists(name); }
};

TEST_F(SaveStackTest, CornersInAnyOrderSaveTheSameRows) {
    for (Area a : {Area{10, 20, 5, 2}, Area{5, 2, 10, 20}, Area{10, 2, 5, 20}}) {
        screen_area_push(a.x0, a.y0, a.x1, a.y1);
        std::string file = harness_read_file("scr001.tmp");
        ASSERT_EQ(file.size(), 114u) << "rows 2..20, six bytes each";
        std::string expect;
        for (int32_t y = 2; y <= 20; ++y)
            for (int32_t x = 5; x <= 10; ++x)
                expect += static_cast<char>(g_screen_buffer[y * SCREEN_WIDTH + x]);
        EXPECT_EQ(file, expect);
        EXPECT_EQ(g_save_corners[0][0], 5);
        EXPECT_EQ(g_save_corners[3][0], 20);
        screen_area_pop();
    }
}

TEST_F(SaveStackTest, PopPutsTheAreaBackAndRemovesItsFile) {
    Bytes before = frame();
    g_screen_changed = 0;
    screen_area_push(0, 0, 319, 16);
    EXPECT_EQ(g_screen_changed.load(), 1u);
    paint({0, 0, 319, 16}, 7);
    screen_area_pop();
    EXPECT_EQ(frame(), before);
    EXPECT_FALSE(exists("scr001.tmp"));
    EXPECT_EQ(g_save_depth, 0);
}

TEST_F(SaveStackTest, FiveNestedLevelsComeBackInReverseOrder) {
    const Area areas[5] = {
        {0, 0, 319, 16}, {20, 17, 120, 90}, {3, 9, 316, 117}, {50, 60, 60, 70}, {0, 150, 10, 199}};
    const char* names[5] = {"scr001.tmp", "scr002.tmp", "scr003.tmp", "scr004.tmp", "scr005.tmp"};
    std::vector<Bytes> frames;  // the frame before each push
    for (int32_t i = 0; i < 5; ++i) {
        frames.push_back(frame());
        screen_area_push(areas[i].x0, areas[i].y0, areas[i].x1, areas[i].y1);
        paint(areas[i], static_cast<uint8_t>(100 + i));
        EXPECT_TRUE(exists(names[i]));
    }
    EXPECT_EQ(g_save_depth, 5);
    for (int32_t i = 4; i >= 0; --i) {
        screen_area_pop();
        EXPECT_EQ(frame(), frames[i]) << "after popping level " << i + 1;
        EXPECT_FALSE(exists(names[i]));
        if (i > 0) {
            EXPECT_TRUE(exists(names[i - 1]));
        }
    }
    EXPECT_EQ(g_save_depth, 0);
}

TEST_F(SaveStackTest, TheSixthLevelIsCountedButNotSaved) {
    for (int32_t i = 0; i < 5; ++i) screen_area_push(10 * i, 0, 10 * i + 5, 5);
    Bytes level5 = frame();
    paint({40, 0, 45, 5}, 1);  // over level five's area
    g_screen_changed = 0;
    screen_area_push(100, 100, 150, 150);
    EXPECT_EQ(g_save_depth, 6);
    EXPECT_EQ(g_screen_changed.load(), 0u);
    EXPECT_FALSE(exists("scr006.tmp"));
    paint({100, 100, 150, 150}, 2);
    Bytes drawn = frame();
    screen_area_pop();
    EXPECT_EQ(frame(), drawn) << "the sixth pop restores nothing";
    EXPECT_EQ(g_save_depth, 5);
    screen_area_pop();
    Bytes expect = drawn;
    for (int32_t y = 0; y <= 5; ++y)
        for (int32_t x = 40; x <= 45; ++x) expect[y * SCREEN_WIDTH + x] = level5[y * SCREEN_WIDTH + x];
    EXPECT_EQ(frame(), expect) << "the next pop restores level five";
    EXPECT_FALSE(exists("scr005.tmp"));
}

TEST_F(SaveStackTest, PopAndRestoreWithNothingSavedDoNothing) {
    Bytes before = frame();
    screen_area_pop();
    EXPECT_EQ(g_save_depth, 0);
    screen_restore_area();
    EXPECT_EQ(frame(), before);

    screen_area_push(1, 1, 5, 5);  // pushed without screen_save_area: restore leaves it alone
    paint({1, 1, 5, 5}, 3);
    screen_restore_area();
    EXPECT_EQ(g_save_depth, 1);
    EXPECT_NE(frame(), before);
}

TEST_F(SaveStackTest, SaveAndRestoreAreaPairOneLevel) {
    Bytes before = frame();
    g_cursor_visible = 1;
    screen_save_area(30, 40, 130, 100);
    EXPECT_EQ(g_area_saved, 1u);
    EXPECT_EQ(g_save_depth, 1);
    paint({30, 40, 130, 100}, 9);
    screen_restore_area();
    EXPECT_EQ(g_area_saved, 0u);
    EXPECT_EQ(g_cursor_visible, 0u);
    EXPECT_EQ(frame(), before);
    EXPECT_EQ(g_save_depth, 0);
}

TEST_F(SaveStackTest, ShutDownDeletesTheOpenLevelsFiles) {
    screen_area_push(0, 0, 9, 9);
    screen_area_push(5, 5, 20, 20);
    harness_write_file("scr003.tmp", "left by someone else");
    screen_area_files_delete();
    EXPECT_FALSE(exists("scr001.tmp"));
    EXPECT_FALSE(exists("scr002.tmp"));
    EXPECT_TRUE(exists("scr003.tmp")) << "not a level that was open";
    EXPECT_EQ(g_save_depth, 0);
    fs::remove("scr003.tmp");
}

TEST_F(SaveStackTest, AReusedFileKeepsItsTailAndOnlyTheAreaIsReadBack) {
    harness_write_file("scr001.tmp", std::string(1000, '\xAA'));
    Bytes before = frame();
    screen_area_push(0, 0, 9, 1);
    std::string file = harness_read_file("scr001.tmp");
    ASSERT_EQ(file.size(), 1000u);
    EXPECT_EQ(static_cast<uint8_t>(file[0]), g_screen_buffer[0]);
    EXPECT_EQ(static_cast<uint8_t>(file[20]), 0xAA);
    paint({0, 0, 9, 1}, 4);
    screen_area_pop();
    EXPECT_EQ(frame(), before);
}

// A level whose file cannot be made saved nothing: its pop restores nothing, and the enclosing
// level's area stays saved for its own pop.
TEST_F(SaveStackTest, ALevelWhoseFileCannotBeMadeRestoresNothing) {
    fs::create_directory("scr002.tmp");  // a directory in the way of the file
    Bytes before = frame();
    screen_area_push(0, 0, 9, 9);
    g_screen_changed = 0;
    screen_area_push(50, 50, 60, 60);
    EXPECT_EQ(g_save_depth, 2);
    EXPECT_EQ(g_screen_changed.load(), 1u);
    paint({0, 0, 9, 9}, 5);
    paint({50, 50, 60, 60}, 6);
    Bytes drawn = frame();
    screen_area_pop();
    EXPECT_EQ(frame(), drawn);
    EXPECT_EQ(g_save_depth, 1);
    EXPECT_TRUE(exists("scr001.tmp"));
    screen_area_pop();
    Bytes expect = drawn;
    for (int32_t y = 0; y <= 9; ++y)
        for (int32_t x = 0; x <= 9; ++x) expect[y * SCREEN_WIDTH + x] = before[y * SCREEN_WIDTH + x];
    EXPECT_EQ(frame(), expect);
    EXPECT_EQ(g_save_depth, 0);
    EXPECT_TRUE(fs::is_directory("scr002.tmp"));
    fs::remove("scr002.tmp");
}

}  // namespace
