// Test entry point: every test process works in a fresh temporary directory that holds links to
// the generated data files, so tests that write files (saves, screen areas) never meet.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/harness/harness.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    testing::InitGoogleTest(&argc, argv);
    std::string tmpl = (fs::temp_directory_path() / "marivane-test-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) return 2;
    fs::path work = tmpl;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(harness_data_dir(), ec))
        fs::create_symlink(entry.path(), work / entry.path().filename(), ec);
    fs::current_path(work);
    int result = RUN_ALL_TESTS();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work, ec);
    return result;
}
