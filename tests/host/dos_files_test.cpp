#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/platform.h"
#include "tests/harness/harness.h"

namespace {

std::vector<std::string> find_all(const char* pattern, uint32_t attrib) {
    std::vector<std::string> names;
    DosFind f;
    for (int32_t r = dos_findfirst(pattern, attrib, &f); r == 0; r = dos_findnext(&f))
        names.push_back(std::string(f.name) + (f.attrib & DOS_A_SUBDIR ? "/" : ""));
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DosFiles, NamesMatchWithoutRegardToCase) {
    ASSERT_EQ(dos_mkdir("Games"), 0);
    harness_write_file("Games/Save1.TRP", "abc");
    int32_t h = dos_open("games\\save1.trp", DOS_O_RDONLY | DOS_O_BINARY);
    ASSERT_GE(h, 0);
    char buf[8] = {};
    EXPECT_EQ(dos_read(h, buf, sizeof buf), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(dos_lseek(h, 1, DOS_SEEK_SET), 1);
    EXPECT_EQ(dos_read(h, buf, 1), 1);
    EXPECT_EQ(buf[0], 'b');
    EXPECT_EQ(dos_close(h), 0);
    EXPECT_EQ(dos_access("GAMES\\SAVE1.trp", DOS_F_OK), 0);
    EXPECT_EQ(dos_access("GAMES\\SAVE2.trp", DOS_F_OK), -1);
    EXPECT_EQ(dos_open("nodir\\x.trp", DOS_O_WRONLY | DOS_O_CREAT), -1);
    EXPECT_EQ(dos_open("B:\\IB2VGA.DAT", DOS_O_RDONLY), -1);  // no drives here
    EXPECT_EQ(dos_open("games", DOS_O_RDONLY), -1);           // a directory is not a file

    // A new file keeps the case it is given; writing does not truncate unless asked.
    h = dos_open("games\\New.trp", DOS_O_WRONLY | DOS_O_CREAT | DOS_O_BINARY);
    ASSERT_GE(h, 0);
    EXPECT_EQ(dos_write(h, "hello", 5), 5);
    dos_close(h);
    h = dos_open("GAMES\\NEW.TRP", DOS_O_WRONLY | DOS_O_CREAT);
    EXPECT_EQ(dos_write(h, "J", 1), 1);
    dos_close(h);
    EXPECT_EQ(harness_read_file("Games/New.trp"), "Jello");
    EXPECT_EQ(dos_rename("games\\new.trp", "games\\save1.trp"), 0);
    EXPECT_EQ(harness_read_file("Games/Save1.TRP"), "Jello");
    EXPECT_EQ(dos_unlink("GAMES\\save1.TRP"), 0);
    EXPECT_EQ(dos_unlink("GAMES\\save1.TRP"), -1);
}

TEST(DosFiles, DirectorySearchListsFilesOnly) {
    ASSERT_EQ(dos_mkdir("games"), 0);
    for (const char* n : {"games/a.trp", "games/B.TRP", "games/c.txt", "games/.hidden.trp", "games/long name.trp"})
        harness_write_file(n, "x");
    ASSERT_EQ(mkdir("games/dir.trp", 0755), 0);
    ASSERT_EQ(mkdir("games/D.TRP", 0755), 0);
    harness_write_file("games/d.trp", "x");  // a file and a directory that differ only in case
    EXPECT_EQ(find_all("games\\*.trp", DOS_A_NORMAL),
              (std::vector<std::string>{"B.TRP", "a.trp", "d.trp", "long name.trp"}));
    EXPECT_EQ(find_all("GAMES\\*.TRP", DOS_A_SUBDIR),
              (std::vector<std::string>{"B.TRP", "D.TRP/", "a.trp", "d.trp", "dir.trp/", "long name.trp"}));
    EXPECT_EQ(find_all("games\\?.t*", DOS_A_NORMAL),
              (std::vector<std::string>{"B.TRP", "a.trp", "c.txt", "d.trp"}));
    EXPECT_TRUE(find_all("games\\*.sav", DOS_A_NORMAL).empty());
    EXPECT_TRUE(find_all("nothere\\*.trp", DOS_A_NORMAL).empty());
    DosFind f;
    ASSERT_EQ(dos_findfirst("games\\*", DOS_A_NORMAL, &f), 0);
    dos_findclose(&f);  // ended early
    dos_findclose(&f);
    EXPECT_EQ(f.state, nullptr);
}

TEST(DosFiles, SplitPath) {
    struct Case {
        const char* path;
        const char *drive, *dir, *name, *ext;
    } cases[] = {
        {"games\\*.trp", "", "games\\", "*", ".trp"},
        {"C:\\a\\b\\file.tar.gz", "C:", "\\a\\b\\", "file.tar", ".gz"},
        {"plain", "", "", "plain", ""},
        {"dir.x\\noext", "", "dir.x\\", "noext", ""},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        char drive[DOS_MAX_DRIVE], dir[DOS_MAX_DIR], name[DOS_MAX_FNAME], ext[DOS_MAX_EXT];
        dos_splitpath(c.path, drive, dir, name, ext);
        EXPECT_STREQ(drive, c.drive) << c.path;
        EXPECT_STREQ(dir, c.dir) << c.path;
        EXPECT_STREQ(name, c.name) << c.path;
        EXPECT_STREQ(ext, c.ext) << c.path;
    }
    dos_splitpath("x\\y.z", nullptr, nullptr, nullptr, nullptr);  // all parts optional
}

}  // namespace
