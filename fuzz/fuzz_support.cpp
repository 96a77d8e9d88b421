#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string s_scratch;

void remove_scratch() {
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    if (!s_scratch.empty()) fs::remove_all(s_scratch, ec);
}

}  // namespace

void fuzz_enter_scratch_dir() {
    std::string dir = (fs::temp_directory_path() / "marivane-fuzz-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr || chdir(dir.c_str()) != 0) std::abort();
    s_scratch = dir;
    std::atexit(remove_scratch);
}

void fuzz_link_data_files() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(MARIVANE_DATA_DIR, ec)) {
        fs::create_symlink(entry.path(), entry.path().filename(), ec);
        if (ec) break;
    }
    if (ec) {
        std::fprintf(stderr, "fuzz: cannot link the data files of %s: %s\n", MARIVANE_DATA_DIR,
                     ec.message().c_str());
        std::abort();
    }
}

void fuzz_write_file(const char* name, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(name, "wb");
    if (f == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    if (std::fclose(f) != 0) std::abort();
}

void fuzz_check(bool ok, const char* target, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "%s broke a rule: %s\n", target, what);
    std::abort();
}
