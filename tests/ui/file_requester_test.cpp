// The file requester over a real directory: what is listed, the slider's knob and paging, the keys
// that copy a slot, Enter in the two fields, cancelling, the returned path and names cut to the
// file field; and ask_game_file_name on top of it.
#include "ui/file_requester.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/frame_handover.h"
#include "host/headless_host.h"
#include "tests/harness/case_name.h"
#include "tests/harness/harness.h"
#include "tests/ui/ui_fixture.h"
#include "ui/file_list.h"
#include "ui/game_file_name.h"
#include "ui/input_poll.h"
#include "ui/letter.h"

namespace {

namespace fs = std::filesystem;

class FileRequester : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        fs::remove_all("games");
        fs::remove_all("other");
        fs::create_directory("games");
        std::strcpy(drawer_, "games\\*.trp");
        file_[0] = '\0';
    }
    void TearDown() override {
        g_file_node_alloc = std::malloc;
        fs::remove_all("games");
        fs::remove_all("other");
        UiTest::TearDown();
    }
    static void make_file(const std::string& path) { harness_write_file(path, "x"); }
    static void make_files(const char* dir, int32_t n) {
        for (int32_t i = 0; i < n; ++i) make_file(std::string(dir) + "/save" + std::to_string(i) + ".trp");
    }
    // The names in list order, as the requester will show them.
    static std::vector<std::string> listed(const char* pattern) {
        file_list_build(pattern);
        std::vector<std::string> names;
        for (const FileListNode* n = g_file_list; n != nullptr; n = n->next) names.emplace_back(n->name);
        file_list_free();
        return names;
    }
    int32_t run() { return file_requester("Load a game:", file_, drawer_, path_); }
    // The frame the window was last handed: the requester just before its end.
    static int32_t shown_pixel(int32_t x, int32_t y) {
        static uint8_t pixels[SCREEN_BYTES];
        frame_front_read(pixels, nullptr);
        return pixels[y * SCREEN_WIDTH + x];
    }
    static int32_t shown_knob_height() {
        int32_t n = 0;
        for (int32_t y = 20; y < 80; ++y) n += shown_pixel(290, y) == 2 ? 1 : 0;
        return n;
    }
    char file_[FILE_FIELD_SIZE] = {};
    char drawer_[DRAWER_FIELD_SIZE] = {};
    char path_[FILE_REQUESTER_PATH_SIZE] = {};
};

constexpr int32_t OK_X = 40, OK_Y = 105, CANCEL_X = 270, CANCEL_Y = 105;

TEST_F(FileRequester, ListsOnlyMatchingPlainFilesWhateverTheCase) {
    make_file("games/A.TRP");
    make_file("games/b.trp");
    make_file("games/C.Trp");
    make_file("games/notes.txt");
    make_file("games/save1.trp");
    fs::create_directory("games/SAVE1.TRP");  // a directory and a file that differ only in case
    fs::create_directory("games/old.trp");
    ASSERT_EQ(mkfifo("games/pipe.trp", 0600), 0);  // neither file nor directory: a system entry
    for (const char* pattern : {"games\\*.trp", "GAMES\\*.TRP", "Games/*.tRp"}) {
        std::vector<std::string> names = listed(pattern);
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
                  (std::set<std::string>{"A.TRP", "b.trp", "C.Trp", "save1.trp"}))
            << pattern;
    }
    file_list_build("games\\*.trp");
    EXPECT_EQ(g_file_count, 4);
    file_list_free();
    EXPECT_EQ(g_file_list, nullptr);
    EXPECT_TRUE(listed("nowhere\\*.trp").empty());
}

TEST_F(FileRequester, ANodeThatCannotBeAllocatedEndsTheListing) {
    make_files("games", 6);
    static int32_t calls;
    calls = 0;
    g_file_node_alloc = [](size_t size) -> void* { return ++calls > 2 ? nullptr : std::malloc(size); };
    file_list_build("games\\*.trp");
    EXPECT_EQ(g_file_count, 2);
    EXPECT_EQ(calls, 3);
    file_list_free();
}

TEST_F(FileRequester, SlotsShowFiveNamesFromTheFirstAndBlanksPastTheEnd) {
    make_files("games", 3);
    fill_frame(9);
    file_list_build("games\\*.trp");
    file_list_show_from(1);
    EXPECT_STRNE(g_file_slot_texts[0].text, "");
    EXPECT_STRNE(g_file_slot_texts[1].text, "");
    EXPECT_STREQ(g_file_slot_texts[2].text, "");
    EXPECT_STREQ(g_file_slot_texts[4].text, "");
    EXPECT_EQ(count_colour(10, 30, 280, 78, 7), 271 * 45) << "the nine rows of each slot are cleared";
    EXPECT_EQ(pixel(10, 39), 9);
    EXPECT_EQ(pixel(10, 79), 9);
    file_list_show_from(9);
    EXPECT_STREQ(g_file_slot_texts[0].text, "");
    file_list_free();
}

TEST_F(FileRequester, ThreeFilesGiveAFullKnobAndNoScrolling) {
    make_files("games", 3);
    std::vector<std::string> names = listed("games\\*.trp");
    headless_script(200, HEADLESS_KEY, 'P');
    headless_script(400, HEADLESS_KEY, ';');
    headless_script_click(600, OK_X, OK_Y);
    EXPECT_EQ(run(), 1);
    EXPECT_STREQ(file_, names[0].c_str()) << "the list did not move";
    EXPECT_EQ(shown_knob_height(), 58);
    EXPECT_EQ(g_gadget_list, nullptr);
    EXPECT_EQ(g_file_list, nullptr);
}

struct PagingCase {
    int32_t pages;
    int32_t first;
};

class FileRequesterPaging : public FileRequester, public testing::WithParamInterface<PagingCase> {};

TEST_P(FileRequesterPaging, TenFilesPageByHalfTheirLength) {
    make_files("games", 10);
    std::vector<std::string> names = listed("games\\*.trp");
    uint32_t t = 200;
    for (int32_t i = 0; i < GetParam().pages; ++i, t += 200) headless_script(t, HEADLESS_KEY, 'P');
    headless_script(t, HEADLESS_KEY, ';');
    headless_script_click(t + 200, OK_X, OK_Y);
    EXPECT_EQ(run(), 1);
    EXPECT_STREQ(file_, names[static_cast<size_t>(GetParam().first)].c_str());
    EXPECT_EQ(shown_knob_height(), 29);
    // The knob stands where the page put it: 29 of the 29 + 29 free rows per 65535.
    int32_t ky = (60 - 29 - 2) * std::min(65535, 32767 * GetParam().pages) / 65535;
    EXPECT_EQ(shown_pixel(290, 21 + ky), 2);
    EXPECT_NE(shown_pixel(290, 21 + ky + 29), 2);
}

INSTANTIATE_TEST_SUITE_P(FileRequester, FileRequesterPaging,
                         testing::Values(PagingCase{0, 0}, PagingCase{1, 2}, PagingCase{2, 4},
                                         PagingCase{3, 5}, PagingCase{4, 5}),
                         [](const testing::TestParamInfo<PagingCase>& info) {
                             return std::to_string(info.param.pages) + "_pages";
                         });

TEST_F(FileRequester, HPagesBackAndTheLastKeyOfSlotFourCopiesIt) {
    make_files("games", 10);
    std::vector<std::string> names = listed("games\\*.trp");
    headless_script(200, HEADLESS_KEY, 'P');
    headless_script(400, HEADLESS_KEY, 'P');
    headless_script(600, HEADLESS_KEY, 'H');
    headless_script(800, HEADLESS_KEY, '?');
    headless_script_click(1000, OK_X, OK_Y);
    EXPECT_EQ(run(), 1);
    EXPECT_STREQ(file_, names[2 + 4].c_str());
    // Each key also went into the drawer field, and each refresh put its cursor back to the start.
    EXPECT_STREQ(drawer_, "?ames\\*.trp");
}

TEST_F(FileRequester, EnterInTheDrawerListsItThenEnterInTheFileFieldThenOk) {
    make_files("games", 2);
    fs::create_directory("other");
    make_files("other", 7);
    std::strcpy(drawer_, "other\\*");
    std::vector<std::string> games = listed("games\\*");
    headless_script_text(100, "games\\*");  // typed over the old drawer text
    headless_script(1300, HEADLESS_KEY, 13);
    headless_script(1500, HEADLESS_KEY, ';');  // into the file field, and slot 0 copied
    headless_script(1700, HEADLESS_KEY, 13);
    headless_script(1900, HEADLESS_KEY, 13);
    EXPECT_EQ(run(), 1);
    EXPECT_STREQ(file_, games[0].c_str());
    EXPECT_STREQ(drawer_, "games\\*");
    EXPECT_EQ(std::string(path_), "games\\" + games[0]);
    EXPECT_EQ(shown_knob_height(), 58) << "the knob follows the new list";
}

TEST_F(FileRequester, ATypedFullStopDeletesLikeTheDeleteKey) {
    headless_script(100, HEADLESS_KEY, 13);
    headless_script_text(300, "ab.c\r\r");
    EXPECT_EQ(run(), 1);
    EXPECT_STREQ(file_, "ac");
}

TEST_F(FileRequester, TypedNamesAndCancelling) {
    struct {
        const char* what;
        const char* drawer;
        const char* script;  // after Enter in the drawer field
        int32_t result;
        const char* file;
        const char* path;
    } const cases[] = {
        {"a typed name", "games\\*.trp", "mine\r", 1, "mine", "games\\mine"},
        {"a name longer than the field is cut", "games\\*.trp", "abcdefghijklmnop", 1, "abcdefghijkl",
         "games\\abcdefghijkl"},
        {"c with no field active cancels", "games\\*.trp", "ab\rc", 0, "ab", "games\\ab"},
        {"a drive and directory are kept", "C:\\x\\*.trp", "f\r", 1, "f", "C:\\x\\f"},
        {"a drawer without a directory", "*.trp", "f\r", 1, "f", "f"},
    };
    for (const auto& c : cases) {
        SetUp();
        std::strcpy(drawer_, c.drawer);
        headless_script(100, HEADLESS_KEY, 13);
        headless_script_text(300, c.script);
        uint32_t end = 300 + 100 * static_cast<uint32_t>(std::strlen(c.script)) + 100;
        if (c.result == 1) headless_script(end, HEADLESS_KEY, 13);
        if (std::strlen(c.script) > 12) headless_script(end - 50, HEADLESS_KEY, 13);  // end the field first
        EXPECT_EQ(run(), c.result) << c.what;
        EXPECT_STREQ(file_, c.file) << c.what;
        EXPECT_STREQ(path_, c.path) << c.what;
        EXPECT_EQ(file_[FILE_FIELD_SIZE - 1], '\0');
    }
}

TEST_F(FileRequester, AnyOtherKeyWithNoFieldActiveReactivatesTheDrawer) {
    headless_script(100, HEADLESS_KEY, 13);
    headless_script(300, HEADLESS_KEY, 13);
    headless_script(500, HEADLESS_KEY, 'x');
    headless_script(700, HEADLESS_KEY, 'Z');
    headless_script_click(900, CANCEL_X, CANCEL_Y);
    EXPECT_EQ(run(), 0);
    EXPECT_STREQ(drawer_, "Zames\\*.trp");
    EXPECT_STREQ(file_, "");
}

TEST_F(FileRequester, ALongListedNameIsCutWhenASlotIsClicked) {
    make_file("games/averyveryverylongname.trp");
    headless_script_click(200, 100, 35);  // slot 0
    headless_script_click(400, OK_X, OK_Y);
    EXPECT_EQ(run(), 1);
    EXPECT_STREQ(file_, "averyveryver");
}

TEST_F(FileRequester, TheScreenAndTheGadgetListComeBack) {
    fill_frame(9);
    Gadget mine = {nullptr, 0,       0,       5,       5, GADGET_HIGHLIGHT_BOX, 0, GADGET_BUTTON,
                   nullptr, nullptr, nullptr, nullptr, 1};
    gadget_add(&mine);
    headless_script_click(100, CANCEL_X, CANCEL_Y);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(g_gadget_list, &mine);
    EXPECT_EQ(count_colour(0, 0, 319, 199, 9), SCREEN_BYTES);
    // What the window last showed was the requester: its frame, fill and title row.
    EXPECT_EQ(shown_pixel(3, 9), 15);
    EXPECT_EQ(shown_pixel(316, 117), 15);
    EXPECT_EQ(shown_pixel(5, 115), 7);
    EXPECT_EQ(shown_pixel(59, 84), 2) << "the file field's border";
    EXPECT_EQ(shown_pixel(300, 95), 2);
}

struct NameCase {
    const char* what;
    const char* pattern;
    const char* disk_file;  // chosen from slot 0 when given, else the name is typed
    const char* typed;
    const char* name;
};

class AskGameFileName : public FileRequester, public testing::WithParamInterface<NameCase> {};

TEST_P(AskGameFileName, CutsThePathAtItsFirstDot) {
    const NameCase& c = GetParam();
    std::strcpy(g_game_file_pattern, c.pattern);
    std::strcpy(g_file_name_field, "stale");
    if (c.disk_file != nullptr) {
        fs::create_directories(fs::path(c.disk_file).parent_path());
        make_file(c.disk_file);
    }
    headless_script(100, HEADLESS_KEY, 13);  // the drawer field ends; the file field is active
    std::string keys = c.disk_file != nullptr ? ";\r\r" : std::string(c.typed) + "\r\r";
    headless_script_text(300, keys.c_str());
    const char* lines[] = {"Save a game:", nullptr};
    g_command = 5;
    ask_game_file_name(lines);
    EXPECT_STREQ(g_game_file_name, c.name);
    EXPECT_EQ(g_command, 0);
    fs::remove_all("my.dir");
}

const NameCase kNameCases[] = {
    {"a typed name", "games\\*.trp", nullptr, "voyage", "games\\voyage"},
    {"a chosen name loses its extension", "games\\*.trp", "games/v1.trp", nullptr, "games\\v1"},
    {"a chosen name with two dots", "games\\*.trp", "games/a.b.trp", nullptr, "games\\a"},
    {"a directory with a dot", "my.dir\\*.trp", "my.dir/voyage.trp", nullptr, "my"},
    {"a typed name in a directory with a dot", "my.dir\\*.trp", nullptr, "x", "my"},
};
INSTANTIATE_TEST_SUITE_P(FileRequester, AskGameFileName, testing::ValuesIn(kNameCases), CaseName());

TEST_F(FileRequester, CancellingAskGameFileNameEmptiesTheNameAndAMissingTitleIsDashes) {
    std::strcpy(g_game_file_name, "games\\old");
    std::strcpy(g_game_file_pattern, "games\\*.trp");
    headless_script(100, HEADLESS_KEY, 13);
    headless_script(300, HEADLESS_KEY, 13);
    headless_script(500, HEADLESS_KEY, 'c');
    const char* lines[] = {nullptr};
    ask_game_file_name(lines);
    EXPECT_STREQ(g_game_file_name, "");
    EXPECT_STREQ(g_file_name_field, "") << "the field was emptied first";
    EXPECT_STREQ(g_game_file_pattern, "games\\*.trp") << "the drawer text stays for the next request";
}

}  // namespace
