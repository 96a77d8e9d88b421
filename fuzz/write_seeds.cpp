// fuzz_seeds: writes the fuzz targets' first inputs from the game's own code and data files.
// Saved games come from save_game_file, so a change of the format changes the seeds with it; the
// fonts, picture files and sound library are the generated data files, cut down to a few pictures
// and short sounds so that the fuzzer's mutations fall on what the loaders read.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/seed_games.h"
#include "world/game_file.h"

namespace fs = std::filesystem;

namespace {

constexpr char kUsage[] =
    "usage: fuzz_seeds <data dir> <corpus dir>\n"
    "Writes the first inputs of the fuzz targets from the generated data files in <data dir>:\n"
    "<corpus dir>/game (saved games written by the game itself), font, picture and sound.\n";

using Bytes = std::vector<uint8_t>;

bool read_file(const fs::path& path, Bytes* out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool write_file(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

uint32_t le32(const Bytes& b, size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
           static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t le16(const Bytes& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }
void put_le32(Bytes* b, size_t at, uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) (*b)[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t be32(const Bytes& b, size_t at) {
    return static_cast<uint32_t>(b[at]) << 24 | static_cast<uint32_t>(b[at + 1]) << 16 |
           static_cast<uint32_t>(b[at + 2]) << 8 | b[at + 3];
}
void put_be32(Bytes* b, size_t at, uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) (*b)[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

// ---- Saved games ------------------------------------------------------------------------------

// The same game in the old format: its identification text, and no simulation mode.
bool write_old_format(const fs::path& current, const fs::path& old) {
    Bytes b;
    if (!read_file(current, &b) || b.size() < GAME_FILE_HEADER_SIZE) return false;
    std::memcpy(b.data(), GAME_FILE_ID_OLD, GAME_FILE_ID_SIZE);
    b.erase(b.begin() + GAME_FILE_OLD_HEADER_SIZE, b.begin() + GAME_FILE_HEADER_SIZE);
    return write_file(old, b);
}

// A seed the reader refuses would only teach the fuzzer the refusal: each is read back at once.
bool loads_back(const std::string& file, int32_t owners) {
    int32_t result = load_game_file(file.c_str());
    bool ok = result == GAME_LOAD_OK && g_shipowner_count == owners;
    if (!ok) std::fprintf(stderr, "fuzz_seeds: %s does not load back (result %d)\n", file.c_str(), result);
    clear_seed_game();
    return ok;
}

bool write_game_seeds(const fs::path& dir) {
    fs::path home = fs::current_path();
    fs::current_path(dir);
    bool ok = true;
    for (const SeedGame* g = g_seed_games; g->name != nullptr; ++g) {
        g->make();
        int32_t owners = g_shipowner_count;
        std::string file = std::string(g->name) + ".trp";
        if (save_game_file(file.c_str()) != GAME_SAVE_OK) {
            std::fprintf(stderr, "fuzz_seeds: cannot save %s\n", file.c_str());
            ok = false;
        }
        clear_seed_game();
        ok = loads_back(file, owners) && ok;
        if (std::strcmp(g->name, "seed-laid-up") == 0) {
            ok = write_old_format(file, "seed-laid-up-old-format.trp") && ok;
            ok = loads_back("seed-laid-up-old-format.trp", owners) && ok;
        }
    }
    fs::current_path(home);
    return ok;
}

// ---- Fonts ------------------------------------------------------------------------------------

bool write_font_seeds(const fs::path& data, const fs::path& dir) {
    for (const char* name : {"sys8.fnt", "sys13.fnt", "sys7b.fnt", "sys8b.fnt"}) {
        Bytes b;
        if (!read_file(data / name, &b) || !write_file(dir / name, b)) return false;
    }
    return true;
}

// ---- Picture files ----------------------------------------------------------------------------

constexpr uint32_t kPictures = 45;
constexpr uint32_t kDirectoryBytes = kPictures * 8;
constexpr uint32_t kPaletteBytes = 768;

// Both files for one picture: the first file's directory and the palettes up to the picture's own,
// the picture's packed image right behind them (or at the start of the second file, when it lies
// there). The other entries point where the cut files end. Input layout: the first file's length
// (32-bit little-endian), the first file, the second file.
bool write_picture_seed(const Bytes& first, const Bytes& second, uint32_t n, const fs::path& path) {
    size_t entry = 8 * (n - 1);
    uint32_t offset = le32(first, entry);
    uint16_t size = le16(first, entry + 4);
    bool in_second = le16(first, entry + 6) == 1;
    const Bytes& from = in_second ? second : first;
    if (static_cast<size_t>(offset) + size > from.size()) return false;
    Bytes one(first.begin(), first.begin() + kDirectoryBytes + n * kPaletteBytes);
    Bytes two;
    Bytes packed(from.begin() + offset, from.begin() + offset + size);
    if (in_second) {
        put_le32(&one, entry, 0);
        two = packed;
    } else {
        put_le32(&one, entry, static_cast<uint32_t>(one.size()));
        one.insert(one.end(), packed.begin(), packed.end());
    }
    Bytes input(4);
    put_le32(&input, 0, static_cast<uint32_t>(one.size()));
    input.insert(input.end(), one.begin(), one.end());
    input.insert(input.end(), two.begin(), two.end());
    return write_file(path, input);
}

bool write_picture_seeds(const fs::path& data, const fs::path& dir) {
    Bytes first, second;
    if (!read_file(data / "IB1VGA.DAT", &first) || !read_file(data / "IB2VGA.DAT", &second)) return false;
    if (first.size() < kDirectoryBytes + kPictures * kPaletteBytes) return false;
    // The main screen, a sprite sheet, the letter paper, and the first picture of the second file.
    std::vector<uint32_t> chosen = {1, 13, 37};
    for (uint32_t n = 1; n <= kPictures; ++n)
        if (le16(first, 8 * (n - 1) + 6) == 1) {
            chosen.push_back(n);
            break;
        }
    for (uint32_t n : chosen)
        if (!write_picture_seed(first, second, n, dir / ("picture-" + std::to_string(n) + ".bin"))) return false;
    return true;
}

// ---- Sound library ----------------------------------------------------------------------------

constexpr uint32_t kSounds = 9;
constexpr uint32_t kSoundDirectoryBytes = kSounds * 12;

// The library with every sound cut to at most `keep` samples, laid out one after the other.
bool write_sound_seed(const Bytes& library, uint32_t keep, const fs::path& path) {
    if (library.size() < kSoundDirectoryBytes) return false;
    Bytes out(library.begin(), library.begin() + kSoundDirectoryBytes);
    for (uint32_t k = 0; k < kSounds; ++k) {
        uint32_t offset = be32(library, 12 * k);
        uint32_t length = be32(library, 12 * k + 4);
        if (static_cast<size_t>(offset) + length > library.size()) return false;
        if (length > keep) length = keep;
        put_be32(&out, 12 * k, static_cast<uint32_t>(out.size()));
        put_be32(&out, 12 * k + 4, length);
        out.insert(out.end(), library.begin() + offset, library.begin() + offset + length);
    }
    return write_file(path, out);
}

bool write_sound_seeds(const fs::path& data, const fs::path& dir) {
    Bytes library;
    if (!read_file(data / "sounds.dat", &library)) return false;
    return write_sound_seed(library, 64, dir / "sounds-short.dat") &&
           write_sound_seed(library, 700, dir / "sounds-long.dat");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-') {
            std::fprintf(stderr, "fuzz_seeds: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        }
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    fs::path data = fs::absolute(argv[1]);
    fs::path corpus = fs::absolute(argv[2]);
    std::error_code ec;
    for (const char* sub : {"game", "font", "picture", "sound"})
        if (!ec) fs::create_directories(corpus / sub, ec);
    if (ec) {
        std::fprintf(stderr, "fuzz_seeds: cannot make %s: %s\n", corpus.c_str(), ec.message().c_str());
        return 1;
    }
    struct Step {
        const char* what;
        bool ok;
    };
    const Step steps[] = {
        {"saved games", write_game_seeds(corpus / "game")},
        {"fonts", write_font_seeds(data, corpus / "font")},
        {"picture files", write_picture_seeds(data, corpus / "picture")},
        {"sound library", write_sound_seeds(data, corpus / "sound")},
    };
    int status = 0;
    for (const Step& s : steps)
        if (!s.ok) {
            std::fprintf(stderr, "fuzz_seeds: cannot write the seeds of the %s (from %s)\n", s.what, data.c_str());
            status = 1;
        }
    return status;
}
