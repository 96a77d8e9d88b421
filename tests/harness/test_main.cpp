// Test entry point: every test case works in a fresh, empty scratch directory that holds links to
// the generated data files (regular files only, so a games folder or a save left in the data
// directory never reaches a test), and the directory goes when the case ends. Cases that write
// files (saves, screen areas, the games folder) therefore never meet, whether ctest runs each case
// alone or a test program runs whole as one process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/harness/harness.h"

namespace {

namespace fs = std::filesystem;

class ScratchDirectory : public testing::EmptyTestEventListener {
  public:
    explicit ScratchDirectory(fs::path root) : root_(std::move(root)) {}

    void OnTestStart(const testing::TestInfo&) override {
        std::error_code ec;
        work_ = root_ / ("case-" + std::to_string(++cases_));
        fs::create_directory(work_, ec);
        for (const auto& entry : fs::directory_iterator(harness_data_dir(), ec))
            if (entry.is_regular_file(ec)) fs::create_symlink(entry.path(), work_ / entry.path().filename(), ec);
        fs::current_path(work_);
    }

    void OnTestEnd(const testing::TestInfo&) override {
        std::error_code ec;
        fs::current_path(root_);
        fs::remove_all(work_, ec);
    }

  private:
    fs::path root_;
    fs::path work_;
    int cases_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string tmpl = (fs::temp_directory_path() / "marivane-test-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) return 2;
    fs::path root = tmpl;
    fs::current_path(root);
    testing::UnitTest::GetInstance()->listeners().Append(new ScratchDirectory(root));
    int result = RUN_ALL_TESTS();
    std::error_code ec;
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(root, ec);
    return result;
}
