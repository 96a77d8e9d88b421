// The generator of the game's data files: writes every font, picture file and sound library into
// the directory given as its argument. Output is byte-identical from run to run.
#include <cstdio>
#include <string>

#include "assets/assets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets <data directory>\n");
        return 2;
    }
    std::string dir = argv[1];
    if (write_fonts(dir) != 0) return 1;
    if (write_picture_files(dir) != 0) return 1;
    if (write_sound_library(dir) != 0) return 1;
    if (write_instructions(dir) != 0) return 1;
    return 0;
}
