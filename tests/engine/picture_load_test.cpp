#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/picture.h"
#include "tests/harness/harness.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Builds two small picture files. The working directory holds links to the game's own picture
// files, so these get names of their own.
struct PictureFiles {
    Bytes first = Bytes(360 + 45 * 768, 0);
    Bytes second;

    void entry(int32_t n, uint32_t offset, uint32_t size, uint16_t file) {
        uint8_t* e = first.data() + 8 * (n - 1);
        for (int32_t i = 0; i < 4; ++i) e[i] = static_cast<uint8_t>(offset >> (8 * i));
        e[4] = static_cast<uint8_t>(size);
        e[5] = static_cast<uint8_t>(size >> 8);
        e[6] = static_cast<uint8_t>(file);
        e[7] = static_cast<uint8_t>(file >> 8);
    }
    // Appends a packed image to the file the selector names and points entry n at it.
    void image(int32_t n, const Bytes& packed, uint16_t file) {
        Bytes& f = file == 1 ? second : first;
        entry(n, static_cast<uint32_t>(f.size()), static_cast<uint32_t>(packed.size()), file);
        f.insert(f.end(), packed.begin(), packed.end());
    }
    void palette(int32_t n, const Bytes& rgb) {
        std::memcpy(first.data() + 360 + (n - 1) * 768, rgb.data(), 768);
    }
    void write() const {
        harness_write_file("pt1.dat", std::string(first.begin(), first.end()));
        harness_write_file("pt2.dat", std::string(second.begin(), second.end()));
    }
};

// A picture of one value: per row three repeat codes of 128, 128 and 64 pixels.
Bytes flat_picture(uint8_t value) {
    Bytes p;
    for (int32_t y = 0; y < 200; ++y)
        for (uint8_t code : {0x81, 0x81, 0xC1}) p.insert(p.end(), {code, value});
    return p;
}

Bytes palette_of(uint8_t seed) {
    Bytes rgb(768);
    for (int32_t i = 0; i < 768; ++i) rgb[i] = static_cast<uint8_t>((seed + i) % 64);
    return rgb;
}

class PictureLoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        std::memset(g_picture_palette, 0, sizeof g_picture_palette);
        buffer.assign(64000, 0xEE);
    }
    void TearDown() override { picture_files_close(); }
    void open(const PictureFiles& files) {
        files.write();
        ASSERT_EQ(picture_files_open("PT1.DAT", "pt2.dat"), 1);
    }
    Bytes current_palette() const { return Bytes(&g_picture_palette[0][0], &g_picture_palette[0][0] + 768); }
    Bytes buffer;  // exactly 64000 bytes, so that the address checker sees any overrun
};

TEST_F(PictureLoadTest, TheFileFieldChoosesTheFile) {
    PictureFiles files;
    struct Case {
        int32_t n;
        uint16_t file;
        uint8_t value;
    } cases[] = {{1, 0, 11}, {2, 1, 22}, {3, 2, 33}, {45, 0xFFFF, 44}};
    for (const Case& c : cases) files.image(c.n, flat_picture(c.value), c.file);
    open(files);
    for (const Case& c : cases) {
        buffer.assign(64000, 0);
        EXPECT_EQ(picture_load(c.n, buffer.data()), 0);
        EXPECT_EQ(buffer, Bytes(64000, c.value)) << "picture " << c.n;
    }
}

TEST_F(PictureLoadTest, BadNumbersChangeNothing) {
    PictureFiles files;
    files.image(1, flat_picture(5), 0);
    files.palette(1, palette_of(3));
    open(files);
    for (int32_t n : {0, 46, -1}) {
        EXPECT_EQ(picture_load(n, buffer.data()), -1) << n;
        EXPECT_EQ(buffer, Bytes(64000, 0xEE));
        EXPECT_EQ(current_palette(), Bytes(768, 0));
    }
}

TEST_F(PictureLoadTest, PaletteBytes0To31DecideWhetherTheCyclingColoursAreTaken) {
    Bytes earlier = palette_of(1);
    Bytes zero_start = palette_of(7);
    std::fill(zero_start.begin(), zero_start.begin() + 32, 0);  // bytes 32..95 stay non-zero
    Bytes one_set = zero_start;
    one_set[31] = 9;
    PictureFiles files;
    for (int32_t n : {1, 2, 3}) files.image(n, flat_picture(1), 0);
    files.palette(1, earlier);
    files.palette(2, zero_start);
    files.palette(3, one_set);
    open(files);

    ASSERT_EQ(picture_load(1, buffer.data()), 0);
    EXPECT_EQ(current_palette(), earlier);
    ASSERT_EQ(picture_load(2, buffer.data()), 0);
    Bytes expect = earlier;
    std::copy(zero_start.begin() + 96, zero_start.end(), expect.begin() + 96);
    EXPECT_EQ(current_palette(), expect) << "triples 0..31 kept, the rest taken";
    ASSERT_EQ(picture_load(3, buffer.data()), 0);
    EXPECT_EQ(current_palette(), one_set);

    // Uploaded as colours 32..255 from triples 0..223 (6-bit values times 4, stored blue, green, red).
    for (int32_t k : {0, 31, 100, 223}) {
        EXPECT_EQ(g_game_palette[32 + k][0], one_set[3 * k + 2] * 4) << k;
        EXPECT_EQ(g_game_palette[32 + k][1], one_set[3 * k + 1] * 4) << k;
        EXPECT_EQ(g_game_palette[32 + k][2], one_set[3 * k] * 4) << k;
    }
    EXPECT_EQ(g_game_palette[31][0], 0);  // interface colours stay
}

TEST_F(PictureLoadTest, EntriesBeyondTheFileDecodeOnlyWhatIsThere) {
    PictureFiles files;
    files.image(1, flat_picture(7), 0);
    uint32_t end = static_cast<uint32_t>(files.first.size());
    files.entry(2, end + 5000, 1200, 0);   // starts beyond the end
    files.entry(3, end - 600, 1200, 0);    // the last 600 bytes of picture 1: 100 rows of it
    files.entry(4, 0x80000010u, 1200, 0);  // an offset no seek reaches
    files.entry(5, 0, 1200, 1);            // in a second file that is empty
    files.entry(6, 360, 65535, 0);         // palette bytes read as codes, cut by the file's end
    files.palette(2, palette_of(4));
    open(files);

    struct Case {
        int32_t n;
        int32_t decoded_bytes;
    } cases[] = {{2, 0}, {3, 100 * 320}, {4, 0}, {5, 0}};
    for (const Case& c : cases) {
        buffer.assign(64000, 0xEE);
        EXPECT_EQ(picture_load(c.n, buffer.data()), 0) << c.n;
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + c.decoded_bytes), Bytes(c.decoded_bytes, 7)) << c.n;
        EXPECT_EQ(Bytes(buffer.begin() + c.decoded_bytes, buffer.end()), Bytes(64000 - c.decoded_bytes, 0xEE))
            << c.n;
    }
    EXPECT_EQ(picture_load(6, buffer.data()), 0);  // whatever it decodes, it stays inside the buffer

    ASSERT_EQ(picture_load(2, buffer.data()), 0);
    EXPECT_EQ(current_palette(), palette_of(4)) << "the palette still loads";
}

TEST_F(PictureLoadTest, ATruncatedFirstFileKeepsTheEarlierPalette) {
    PictureFiles files;
    files.palette(1, palette_of(2));
    files.palette(2, palette_of(9));
    files.first.resize(360 + 768 + 100);  // picture 2's palette is cut after 100 bytes
    open(files);
    ASSERT_EQ(picture_load(1, buffer.data()), 0);
    ASSERT_EQ(picture_load(45, buffer.data()), 0);  // nothing of its palette in the file
    EXPECT_EQ(current_palette(), palette_of(2));
    ASSERT_EQ(picture_load(2, buffer.data()), 0);
    Bytes expect = palette_of(2);
    Bytes cut = palette_of(9);
    std::copy(cut.begin(), cut.begin() + 100, expect.begin());
    EXPECT_EQ(current_palette(), expect);
    EXPECT_EQ(buffer, Bytes(64000, 0xEE));
}

TEST_F(PictureLoadTest, OpeningFailsWithoutBothFilesOrAWholeDirectory) {
    PictureFiles files;
    files.write();
    EXPECT_EQ(picture_files_open("nofile.dat", "pt2.dat"), 0);
    EXPECT_EQ(g_picture_file1, -1);

    EXPECT_EQ(picture_files_open("pt1.dat", "nofile.dat"), 0) << "B:\\nofile.dat is not found either";
    EXPECT_GE(g_picture_file1, 0) << "the first file stays open";
    EXPECT_EQ(g_picture_file2, -1);

    harness_write_file("short.dat", std::string(359, '\1'));
    EXPECT_EQ(picture_files_open("short.dat", nullptr), 0);

    EXPECT_EQ(picture_files_open("pt1.dat", nullptr), 1);
    EXPECT_EQ(g_picture_file2, -1);
    picture_files_close();
    EXPECT_EQ(g_picture_file1, -1);
    EXPECT_EQ(g_picture_file2, -1);
    picture_files_close();  // closing twice is harmless
}

}  // namespace
