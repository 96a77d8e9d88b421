// Writes the instructions picture of the window's Help box, "instructions.bmp".
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "assets/instructions_picture.h"

int write_instructions(const std::string& dir) {
    std::vector<uint8_t> pixels;
    std::string error;
    if (!instructions_render(&pixels, &error)) {
        std::fprintf(stderr, "make_assets: %s\n", error.c_str());
        return 1;
    }
    std::string bytes = instructions_bmp(pixels);
    std::string path = dir + "/instructions.bmp";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
