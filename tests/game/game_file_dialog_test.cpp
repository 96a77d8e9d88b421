// The load and save dialogs driven by scripted keys and clicks: declining, cancelling the file
// requester, loading a chosen file, the messages of a failed load or save, and saving under a
// chosen or the current name.
#include "game/game_file_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "engine/font.h"
#include "engine/save_stack.h"
#include "world/game_file.h"
#include "game/main_procedure.h"
#include "host/headless_host.h"
#include "tests/game/game_file_fixture.h"
#include "tests/harness/harness.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"

namespace {

constexpr int32_t kCancelX = 260, kCancelY = 104;  // the file requester's Cancel button

class GameFileDialog : public GameFileTest {
  protected:
    void SetUp() override {
        GameFileTest::SetUp();
        if (g_font_sys13.data == nullptr) {
            ASSERT_EQ(font_load("sys13.fnt", &g_font_sys13), 1);
        }
        if (g_font_sys8.data == nullptr) {
            ASSERT_EQ(font_load("sys8.fnt", &g_font_sys8), 1);
        }
        screen_area_files_delete();
        g_gadget_list = nullptr;
        g_command = 0;
        g_key_code = NO_KEY_CODE;
        std::strcpy(g_game_file_pattern, "games\\*.trp");
        g_game_file_name[0] = '\0';
        make_known_game();
        ASSERT_EQ(save_game_file("games\\known.trp"), GAME_SAVE_OK);
    }
    void TearDown() override {
        screen_area_files_delete();
        GameFileTest::TearDown();
    }
    // Answers the file requester: Enter in the drawer field moves to the file field, then the name
    // and Enter twice (the first ends the field, the second the requester).
    static uint32_t script_file_name(uint32_t at, const char* name) {
        headless_script(at, HEADLESS_KEY, 13);
        headless_script_text(at + 200, name);
        uint32_t end = at + 200 + 100 * static_cast<uint32_t>(std::strlen(name)) + 200;
        headless_script(end, HEADLESS_KEY, 13);
        headless_script(end + 200, HEADLESS_KEY, 13);
        return end + 400;
    }
};

TEST_F(GameFileDialog, DecliningLoadsNothing) {
    std::strcpy(g_game_file_name, "games\\known.trp");
    headless_script(100, HEADLESS_KEY, 'n');
    EXPECT_EQ(load_game_dialog(), 3);
    EXPECT_STREQ(g_game_file_name, "games\\known.trp") << "the question comes before the name is emptied";
    EXPECT_EQ(g_shipowner_count, 2);
}

TEST_F(GameFileDialog, CancellingTheRequesterLoadsNothing) {
    std::strcpy(g_game_file_name, "games\\known.trp");
    headless_script(100, HEADLESS_KEY, 'y');
    headless_script_click(600, kCancelX, kCancelY);
    EXPECT_EQ(load_game_dialog(), 3);
    EXPECT_STREQ(g_game_file_name, "games\\known.trp") << "the game in progress keeps its name";
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_EQ(ship_count(&g_shipowners[0]), 2);
}

TEST_F(GameFileDialog, LoadsTheChosenFile) {
    clear_game();
    headless_script(100, HEADLESS_KEY, 'y');
    script_file_name(500, "known");
    EXPECT_EQ(load_game_dialog(), GAME_LOAD_OK);
    EXPECT_STREQ(g_game_file_name, "games\\known.trp");
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_STREQ(g_shipowners[0].ships->name, "Albatros");
    EXPECT_EQ(headless_pending_events(), 0u);
}

TEST_F(GameFileDialog, AFailedLoadShowsItsMessageAndKeepsTheName) {
    std::strcpy(g_game_file_name, "games\\known.trp");
    headless_script(100, HEADLESS_KEY, 'y');
    uint32_t t = script_file_name(500, "nofile");
    headless_script(t + 200, HEADLESS_KEY, 13);  // closes the message
    EXPECT_EQ(load_game_dialog(), GAME_LOAD_NOT_FOUND);
    EXPECT_STREQ(g_game_file_name, "games\\known.trp");
    EXPECT_EQ(headless_pending_events(), 0u) << "the message box took the last key";
}

// A good game loaded from the menu, then a damaged file ("not a valid MRV-File"): the good game
// stays in memory whole, under its own name, and a save writes it back unchanged.
TEST_F(GameFileDialog, ADamagedFileLeavesTheLoadedGameIntact) {
    clear_game();
    std::string good = harness_read_file("games/known.trp");
    std::string bad = good;
    bad[KNOWN_SHIP_1 + 16] = 9;  // a ship model the game does not have
    harness_write_file("games/bad.trp", bad);
    headless_script(100, HEADLESS_KEY, 'y');
    uint32_t t = script_file_name(500, "known");
    ASSERT_EQ(load_game_dialog(), GAME_LOAD_OK);
    const std::string before = game_bytes();
    const int32_t blocks = ship_blocks_in_use();

    headless_script(t + 100, HEADLESS_KEY, 'y');
    t = script_file_name(t + 500, "bad");
    headless_script(t + 200, HEADLESS_KEY, 13);  // closes the message
    EXPECT_EQ(load_game_dialog(), GAME_LOAD_BAD_ID);
    EXPECT_STREQ(g_game_file_name, "games\\known.trp");
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_STREQ(g_shipowners[0].ships->name, "Albatros");
    EXPECT_EQ(ship_blocks_in_use(), blocks);
    EXPECT_EQ(game_bytes(), before);
    save_game_dialog();
    EXPECT_EQ(harness_read_file("games/known.trp"), good) << "S writes the good game back";
}

TEST_F(GameFileDialog, MessagesOfTheLoadResults) {
    EXPECT_EQ(game_load_message(GAME_LOAD_OK), nullptr);
    EXPECT_STREQ(game_load_message(GAME_LOAD_NOT_FOUND), "Error: File not found.");
    EXPECT_STREQ(game_load_message(GAME_LOAD_BAD_ID), "Error: not a valid MRV-File");
    EXPECT_STREQ(game_load_message(GAME_LOAD_NO_MEMORY), "Error: out of memory");
    EXPECT_STREQ(game_load_message(GAME_LOAD_BAD_CRC), "Error: MRV-File with bad crc");
}

TEST_F(GameFileDialog, SavingWithoutANameAsksForOne) {
    script_file_name(100, "fresh");
    save_game_dialog();
    EXPECT_STREQ(g_game_file_name, "games\\fresh.trp");
    EXPECT_EQ(harness_read_file("games/fresh.trp"), harness_read_file("games/known.trp"));
}

TEST_F(GameFileDialog, SavingUnderTheCurrentNameAsksNothing) {
    std::strcpy(g_game_file_name, "games\\again.trp");
    save_game_dialog();
    EXPECT_EQ(harness_read_file("games/again.trp").size(), KNOWN_GAME_SIZE);
}

TEST_F(GameFileDialog, CancellingTheSaveRequesterSavesNothing) {
    headless_script_click(300, kCancelX, kCancelY);
    save_game_dialog();
    EXPECT_STREQ(g_game_file_name, "");
    int32_t files = 0;
    for (const auto& e : std::filesystem::directory_iterator("games")) files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
}

TEST_F(GameFileDialog, AFailedSaveShowsItsMessage) {
    std::strcpy(g_game_file_name, "nowhere\\game.trp");
    headless_script(200, HEADLESS_KEY, 13);
    save_game_dialog();
    EXPECT_EQ(headless_pending_events(), 0u) << "the message box took the key";
    EXPECT_FALSE(std::filesystem::exists("nowhere"));
}

}  // namespace
