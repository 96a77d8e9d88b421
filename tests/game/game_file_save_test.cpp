// How a save reaches the disk: whatever a killed save left under the temporary name is removed
// and never written through, and the new file is flushed to disk before it replaces the old one.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "world/game_file.h"
#include "tests/game/game_file_fixture.h"
#include "tests/harness/case_name.h"
#include "tests/harness/harness.h"

namespace fs = std::filesystem;

namespace {

// What the disk held whenever a file was flushed: the flushed file's name and size, and the
// contents of the game file it is to replace.
struct Flush {
    std::string name;
    long long size;
    std::string game_file_then;
};
std::vector<Flush> g_flushes;
const char* g_watched_game_file = nullptr;

}  // namespace

// Every flush of this test program passes through here on its way to the C library's own, so the
// tests can see when the save flushes its file and what stood on disk at that moment.
extern "C" int fsync(int fd) {
    using Fsync = int (*)(int);
    static auto real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    if (g_watched_game_file != nullptr) {
        char target[4096] = {};
        std::string link = "/proc/self/fd/" + std::to_string(fd);
        ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
        struct stat st = {};
        fstat(fd, &st);
        g_flushes.push_back(Flush{fs::path(n > 0 ? std::string(target, static_cast<size_t>(n)) : "").filename(),
                                  static_cast<long long>(st.st_size), harness_read_file(g_watched_game_file)});
    }
    return real(fd);
}

namespace {

class GameFileSave : public GameFileTest {
  protected:
    void TearDown() override {
        g_watched_game_file = nullptr;
        g_flushes.clear();
        fs::remove("outside.txt");
        GameFileTest::TearDown();
    }

    static int32_t files_in_games() {
        int32_t n = 0;
        for (const auto& e : fs::directory_iterator("games")) n += e.is_regular_file() || e.is_symlink() ? 1 : 0;
        return n;
    }
};

TEST_F(GameFileSave, TheNewFileIsOnDiskBeforeItReplacesTheOldOne) {
    harness_write_file("games/mine.trp", "the previous game");
    std::string expected = known_game_file();
    g_watched_game_file = "games/mine.trp";
    ASSERT_EQ(save_game_file("games\\mine.trp"), GAME_SAVE_OK);
    g_watched_game_file = nullptr;
    ASSERT_EQ(g_flushes.size(), 1u) << "one flush, of the new file";
    EXPECT_EQ(g_flushes[0].name, "mine.trp.new");
    EXPECT_EQ(g_flushes[0].size, static_cast<long long>(KNOWN_GAME_SIZE)) << "flushed once complete";
    EXPECT_EQ(g_flushes[0].game_file_then, "the previous game") << "flushed before the rename";
    EXPECT_EQ(harness_read_file("games/mine.trp"), expected);
}

// What a save killed half way may have left under the temporary name of the next one.
struct StaleCase {
    const char* what;
    const char* stale_name;  // in games/
    std::function<void(const std::string& path)> make;
};

const StaleCase kStale[] = {
    {"a longer half-written file", "mine.trp.new",
     [](const std::string& path) { harness_write_file(path, std::string(9000, 'x')); }},
    {"a read-only file", "mine.trp.new",
     [](const std::string& path) {
         harness_write_file(path, "half");
         fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
     }},
    {"a link to a file elsewhere", "mine.trp.new",
     [](const std::string& path) {
         harness_write_file("outside.txt", "not a game");
         fs::create_symlink(fs::absolute("outside.txt"), path);
     }},
    {"the name in other letter case", "MINE.TRP.NEW",
     [](const std::string& path) { harness_write_file(path, std::string(9000, 'x')); }},
};

class StaleTemporaryFile : public GameFileSave, public testing::WithParamInterface<StaleCase> {};

TEST_P(StaleTemporaryFile, IsRemovedByTheNextSave) {
    harness_write_file("games/mine.trp", "the previous game");
    GetParam().make(std::string("games/") + GetParam().stale_name);
    std::string expected = known_game_file();
    ASSERT_EQ(save_game_file("games\\mine.trp"), GAME_SAVE_OK);
    EXPECT_EQ(harness_read_file("games/mine.trp"), expected);
    EXPECT_EQ(files_in_games(), 1) << "the stale file is gone and no new one is left";
    if (fs::exists("outside.txt")) {
        EXPECT_EQ(harness_read_file("outside.txt"), "not a game") << "written through the link";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StaleTemporaryFile, testing::ValuesIn(kStale), CaseName());

}  // namespace
