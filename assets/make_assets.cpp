// The generator of the game's data files: writes every font, picture file and sound library into
// the directory given as its argument. Output is byte-identical from run to run.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/assets.h"

namespace {

constexpr char kUsage[] =
    "usage: make_assets <data directory>\n"
    "Writes the game's data files into <data directory>: the fonts sys8.fnt, sys13.fnt, sys7b.fnt\n"
    "and sys8b.fnt, the picture files IB1VGA.DAT and IB2VGA.DAT, the sound library sounds.dat and\n"
    "the help page instructions.bmp. The build runs it into build/<kind>/data.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-') {
            std::fprintf(stderr, "make_assets: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        }
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string dir = argv[1];
    if (write_fonts(dir) != 0) return 1;
    if (write_picture_files(dir) != 0) return 1;
    if (write_sound_library(dir) != 0) return 1;
    if (write_instructions(dir) != 0) return 1;
    return 0;
}
