// Entry point of the SDL host tests: no display and no sound card needed. The video driver is
// always set explicitly (SDL would otherwise fall back to another one silently), and every run
// works in a fresh temporary directory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    std::string tmpl = (fs::temp_directory_path() / "marivane-sdl-test-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) return 2;
    fs::current_path(tmpl);
    int result = RUN_ALL_TESTS();
    fs::current_path(fs::temp_directory_path());
    std::error_code ec;
    fs::remove_all(tmpl, ec);
    return result;
}
