#include "host/window_icon.h"

#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/picture_decode.h"
#include "host/platform.h"

namespace {

constexpr int32_t kPicture = 35;
constexpr int32_t kSpriteW = 124, kSpriteH = 196;
constexpr uint8_t kClear = 32;

uint32_t rgb(const uint8_t* triple) {
    auto c = [](uint8_t v) { return static_cast<uint32_t>(v & 63) * 255 / 63; };
    return c(triple[0]) << 16 | c(triple[1]) << 8 | c(triple[2]);
}

uint32_t u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

bool read_at(int32_t h, uint32_t offset, uint8_t* out, uint32_t size) {
    return offset <= INT32_MAX && dos_lseek(h, static_cast<int32_t>(offset), DOS_SEEK_SET) == static_cast<int32_t>(offset) &&
           dos_read(h, out, size) == static_cast<int32_t>(size);
}

}  // namespace

std::vector<uint32_t> window_icon_paint(const uint8_t* picture, const uint8_t* palette, const uint8_t* gui) {
    std::vector<uint32_t> icon(static_cast<size_t>(WINDOW_ICON_SIZE * WINDOW_ICON_SIZE), 0);
    // The sprite's height fills the icon; each icon pixel averages the sprite pixels it covers.
    int32_t w = kSpriteW * WINDOW_ICON_SIZE / kSpriteH;
    int32_t left = (WINDOW_ICON_SIZE - w) / 2;
    for (int32_t iy = 0; iy < WINDOW_ICON_SIZE; ++iy) {
        for (int32_t ix = 0; ix < w; ++ix) {
            int32_t x0 = ix * kSpriteW / w, x1 = (ix + 1) * kSpriteW / w;
            int32_t y0 = iy * kSpriteH / WINDOW_ICON_SIZE, y1 = (iy + 1) * kSpriteH / WINDOW_ICON_SIZE;
            uint32_t r = 0, g = 0, b = 0, solid = 0, all = 0;
            for (int32_t y = y0; y < y1; ++y) {
                for (int32_t x = x0; x < x1; ++x, ++all) {
                    uint8_t p = picture[y * PICTURE_ROW_PIXELS + x];
                    if (p == kClear) continue;
                    uint32_t c = p < 32 ? rgb(gui + 3 * p) : rgb(palette + 3 * (p - 32));
                    r += c >> 16;
                    g += (c >> 8) & 0xFF;
                    b += c & 0xFF;
                    ++solid;
                }
            }
            if (solid == 0) continue;
            uint32_t a = solid * 255 / all;
            icon[static_cast<size_t>(iy * WINDOW_ICON_SIZE + left + ix)] =
                a << 24 | (r / solid) << 16 | (g / solid) << 8 | (b / solid);
        }
    }
    return icon;
}

std::vector<uint32_t> window_icon_from_picture_files() {
    std::vector<uint32_t> none;
    int32_t files[2] = {dos_open("IB1VGA.DAT", DOS_O_RDONLY | DOS_O_BINARY), dos_open("IB2VGA.DAT", DOS_O_RDONLY | DOS_O_BINARY)};
    std::vector<uint8_t> palette(PICTURE_PALETTE_BYTES), picture(PICTURE_BYTES, kClear), packed;
    uint8_t entry[8];
    bool ok = files[0] >= 0 && read_at(files[0], 8 * (kPicture - 1), entry, 8) &&
              read_at(files[0], PICTURE_DIRECTORY_BYTES + PICTURE_PALETTE_BYTES * (kPicture - 1), palette.data(),
                      PICTURE_PALETTE_BYTES);
    if (ok) {
        uint32_t offset = u32(entry);
        uint32_t size = static_cast<uint32_t>(entry[4] | entry[5] << 8);
        int32_t file = (entry[6] | entry[7] << 8) == 1 ? files[1] : files[0];
        packed.resize(size);
        ok = file >= 0 && size > 0 && read_at(file, offset, packed.data(), size);
        if (ok) picture_decode(packed.data(), size, picture.data());
    }
    for (int32_t h : files)
        if (h >= 0) dos_close(h);
    if (!ok) return none;
    return window_icon_paint(picture.data(), palette.data(), &g_gui_palette[0][0]);
}
