#include "assets/picture_writer.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int32_t kDirectoryBytes = PICTURE_IMAGE_COUNT * 8;
constexpr int32_t kPaletteBytes = 768;
constexpr int32_t kMaxPackedBytes = 65535;
constexpr int32_t kMaxLiteral = 128;
constexpr int32_t kMaxRepeat = 129;
constexpr int32_t kMinRepeat = 3;  // shorter runs of equal pixels are cheaper inside literals
constexpr int32_t kInfinite = 1 << 30;

// Packs one row with a shortest code sequence: cost[i] is the fewest bytes for pixels i..319. A
// single last pixel cannot start a code (literals copy at least 2 bytes, repeats here cover at
// least 3), so the search never ends a row there; every other start can be coded.
void pack_row(const uint8_t* row, std::vector<uint8_t>* out) {
    constexpr int32_t n = PICTURE_IMAGE_WIDTH;
    int32_t cost[n + 1];
    int32_t take[n + 1];  // pixels covered by the code starting here
    bool repeat[n + 1];
    int32_t run[n + 1];  // equal pixels from here to the right
    cost[n] = 0;
    run[n] = 0;
    for (int32_t i = n - 1; i >= 0; --i) {
        run[i] = i + 1 < n && row[i + 1] == row[i] ? run[i + 1] + 1 : 1;
        int32_t best = kInfinite;
        int32_t best_take = 0;
        bool best_repeat = false;
        for (int32_t len = kMinRepeat; len <= run[i] && len <= kMaxRepeat; ++len) {
            if (cost[i + len] < kInfinite && 2 + cost[i + len] < best) {
                best = 2 + cost[i + len];
                best_take = len;
                best_repeat = true;
            }
        }
        for (int32_t len = 2; len <= kMaxLiteral && i + len <= n; ++len) {
            if (cost[i + len] < kInfinite && 1 + len + cost[i + len] < best) {
                best = 1 + len + cost[i + len];
                best_take = len;
                best_repeat = false;
            }
        }
        cost[i] = best;
        take[i] = best_take;
        repeat[i] = best_repeat;
    }
    for (int32_t i = 0; i < n; i += take[i]) {
        if (repeat[i]) {
            out->push_back(static_cast<uint8_t>(static_cast<int8_t>(1 - take[i])));
            out->push_back(row[i]);
        } else {
            out->push_back(static_cast<uint8_t>(take[i] - 1));
            out->insert(out->end(), row + i, row + i + take[i]);
        }
    }
}

// Unpacks the codes again, row by row, and compares with the picture: every row must end exactly at
// its 320th pixel, no run may be a repeat of one or two, and the bytes must all be used.
bool verify_packed(const std::vector<uint8_t>& packed, const uint8_t* pixels, std::string* error) {
    size_t at = 0;
    for (int32_t y = 0; y < PICTURE_IMAGE_HEIGHT; ++y) {
        const uint8_t* row = pixels + y * PICTURE_IMAGE_WIDTH;
        int32_t x = 0;
        while (x < PICTURE_IMAGE_WIDTH) {
            if (at >= packed.size())
                return *error = "packed data ends inside row " + std::to_string(y), false;
            int32_t c = static_cast<int8_t>(packed[at++]);
            int32_t len = c >= 1 ? c + 1 : 1 - c;
            if (c <= 0 && len < kMinRepeat) return *error = "short repeat in row " + std::to_string(y), false;
            if (x + len > PICTURE_IMAGE_WIDTH)
                return *error = "run passes the end of row " + std::to_string(y), false;
            size_t data = c >= 1 ? static_cast<size_t>(len) : 1;
            if (at + data > packed.size())
                return *error = "run data missing in row " + std::to_string(y), false;
            for (int32_t k = 0; k < len; ++k)
                if (row[x + k] != packed[at + (c >= 1 ? k : 0)])
                    return *error = "packed row " + std::to_string(y) + " differs", false;
            at += data;
            x += len;
        }
    }
    if (at != packed.size()) return *error = "packed data left after the last row", false;
    return true;
}

void put_u32(uint8_t* p, uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void put_u16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

bool pack_picture(const uint8_t* pixels, std::vector<uint8_t>* packed, std::string* error) {
    packed->clear();
    for (int32_t y = 0; y < PICTURE_IMAGE_HEIGHT; ++y) pack_row(pixels + y * PICTURE_IMAGE_WIDTH, packed);
    if (packed->size() > static_cast<size_t>(kMaxPackedBytes)) {
        *error = "packed picture needs " + std::to_string(packed->size()) + " bytes, more than 65535";
        return false;
    }
    return verify_packed(*packed, pixels, error);
}

bool check_picture_palette(const uint8_t* palette, std::string* error) {
    for (int32_t i = 0; i < PICTURE_SHOWN_TRIPLES * 3; ++i) {
        if (palette[i] > 63) {
            *error = "palette byte " + std::to_string(i) + " is above 63";
            return false;
        }
    }
    bool any_set = false;
    for (int32_t i = 0; i < 32; ++i) any_set = any_set || palette[i] != 0;
    if (!any_set) {
        *error = "palette bytes 0..31 are all zero (colours 32..63 would not load)";
        return false;
    }
    return true;
}

int write_picture_pair(const std::string& dir, const PictureImage* images) {
    std::vector<uint8_t> first(kDirectoryBytes + PICTURE_IMAGE_COUNT * kPaletteBytes, 0);
    std::vector<uint8_t> second;
    std::vector<uint8_t> packed;
    for (int32_t n = 1; n <= PICTURE_IMAGE_COUNT; ++n) {
        const PictureImage& image = images[n - 1];
        std::string error;
        if (!check_picture_palette(image.palette, &error) || !pack_picture(image.pixels, &packed, &error)) {
            std::fprintf(stderr, "make_assets: picture %d: %s\n", n, error.c_str());
            return 1;
        }
        bool in_second = n > PICTURES_IN_FIRST_FILE;
        std::vector<uint8_t>& file = in_second ? second : first;
        uint8_t* entry = first.data() + 8 * (n - 1);
        put_u32(entry, static_cast<uint32_t>(file.size()));
        put_u16(entry + 4, static_cast<uint32_t>(packed.size()));
        put_u16(entry + 6, in_second ? 1 : 0);
        std::memcpy(first.data() + kDirectoryBytes + (n - 1) * kPaletteBytes, image.palette,
                    sizeof image.palette);
        file.insert(file.end(), packed.begin(), packed.end());
    }
    for (const auto& [name, bytes] : {std::pair{"IB1VGA.DAT", &first}, std::pair{"IB2VGA.DAT", &second}}) {
        std::string path = dir + "/" + name;
        if (!write_file(path, *bytes)) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
