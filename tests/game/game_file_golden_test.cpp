// The known game's file byte for byte: a sparse image (every byte not listed is zero) checked
// whole, and the fields that place the records spot-checked at their offsets.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "world/game_file.h"
#include "tests/game/game_file_fixture.h"

namespace {

struct Run {
    uint32_t offset;
    const char* hex;
};

// Made once from the known game and checked field by field against the file layout.
const Run kKnownGame[] = {
    {0,
     "54575820204d52562020322e3020534156452032303033205461726e686f6c6d"
     "1a02a00f000002ffffffff785634129001000013040000db030000b004000002"
     "00030101"},
    {71, "07"},
    {75, "03"},
    {79, "48616e6e61"},
    {91, "48616e6e61"},
    {103, "426c75652053746172"},
    {115, "0b"},
    {119, "d2040000f4010000fa"},
    {131, "3c0f000011"},
    {139, "64"},
    {143, "0c"},
    {147, "04"},
    {151, "0a"},
    {155, "6d01000001"},
    {163, "03"},
    {167, "0410000068100000fbffffff701101"},
    {1191, "0100008001"},
    {1199, "416c626174726f73"},
    {1211, "03"},
    {1215, "94260000d007000002"},
    {1227, "2d"},
    {1231, "5a"},
    {1237, "0b0039fbffff7a01"},
    {1271, "c409"},
    {1279, "02"},
    {1307, "f30c"},
    {1313, "ff"},
    {1327, "4b6f726d6f72616e"},
    {1339, "07"},
    {1343, "7a17"},
    {1351, "09"},
    {1359,
     "6d0100001d080e005cf9ffff7c0100008a0c0000ffff000060e31600204e0000"
     "1e"},
    {1395, "0c"},
    {1399, "2003"},
    {1427, "0e"},
    {1431, "26"},
    {1435, "490a000001020d022c010000fe"},
    {1451, "ffffffffffffffff4f6c6166"},
    {1471, "4f6c6166"},
    {1483, "4e6f72646c7973"},
    {1495, "030001000410"},
    {2575, "c7ae3d462d2d5457582d2d"},
};

std::string golden_bytes() {
    std::string bytes(KNOWN_GAME_SIZE, '\0');
    for (const Run& run : kKnownGame) {
        size_t n = std::strlen(run.hex) / 2;
        for (size_t i = 0; i < n; ++i)
            bytes[run.offset + i] =
                static_cast<char>(std::stoi(std::string(run.hex + 2 * i, 2), nullptr, 16));
    }
    return bytes;
}

uint8_t byte_at(const std::string& b, uint32_t offset) {
    return static_cast<uint8_t>(b[offset]);
}

TEST_F(GameFileTest, KnownGameIsWrittenByteForByte) {
    std::string file = known_game_file();
    ASSERT_EQ(file.size(), KNOWN_GAME_SIZE);
    std::string golden = golden_bytes();
    for (uint32_t i = 0; i < KNOWN_GAME_SIZE; ++i)
        ASSERT_EQ(byte_at(file, i), byte_at(golden, i)) << "first difference at offset " << i;
}

TEST_F(GameFileTest, KnownGameFieldsSitAtTheirOffsets) {
    std::string f = known_game_file();
    ASSERT_EQ(f.size(), KNOWN_GAME_SIZE);
    EXPECT_EQ(f.substr(0, 32), "TWX  MRV  2.0 SAVE 2003 Tarnholm");
    EXPECT_EQ(byte_at(f, 32), 0x1A);
    EXPECT_EQ(byte_at(f, 33), 2);
    EXPECT_EQ(get_le32(f, 34), 4000u);
    EXPECT_EQ(byte_at(f, 38), 2);
    EXPECT_EQ(get_le32(f, 39), 0xFFFFFFFFu) << "an unlimited game keeps -1";
    EXPECT_EQ(get_le32(f, 43), 0x12345678u);
    EXPECT_EQ(get_le32(f, 47), 400u);
    EXPECT_EQ(get_le32(f, 63), 0x01030002u) << "office styles 2, 0, 3, 1";
    EXPECT_EQ(get_le32(f, 67), 1u);
    // Shipowner 0, its ships, shipowner 1.
    EXPECT_EQ(get_le32(f, KNOWN_OWNER_0 + 0), 7u);
    EXPECT_EQ(get_le32(f, KNOWN_OWNER_0 + 48), 1234u);
    EXPECT_NE(get_le32(f, KNOWN_OWNER_0 + 88), 0u) << "ships follow";
    EXPECT_EQ(get_le32(f, KNOWN_OWNER_0 + 96 + 3 * 4), 70000u);
    EXPECT_EQ(get_le32(f, KNOWN_OWNER_0 + 1120), 0x80000001u);
    EXPECT_NE(get_le32(f, KNOWN_SHIP_0 + 0), 0u) << "another ship follows";
    EXPECT_EQ(f.substr(KNOWN_SHIP_0 + 4, 9), std::string("Albatros\0", 9));
    EXPECT_EQ(get_le32(f, KNOWN_SHIP_1 + 0), 0u) << "the last ship";
    EXPECT_EQ(byte_at(f, KNOWN_SHIP_1 + 40), 29);
    EXPECT_EQ(get_le32(f, KNOWN_SHIP_1 + 44), static_cast<uint32_t>(-1700));
    EXPECT_EQ(byte_at(f, KNOWN_SHIP_1 + 56), 0xFF);
    EXPECT_EQ(byte_at(f, KNOWN_SHIP_1 + 57), 0xFF);
    EXPECT_EQ(get_le32(f, KNOWN_SHIP_1 + 116) & 0xFFFF, 0x201u);
    EXPECT_EQ(get_le32(f, KNOWN_OWNER_1 + 0), 0xFFFFFFFFu);
    EXPECT_EQ(get_le32(f, KNOWN_OWNER_1 + 48), 4100u);
    EXPECT_EQ(get_le32(f, KNOWN_OWNER_1 + 88), 0u) << "no ships";
    EXPECT_EQ(get_le32(f, KNOWN_CHECKSUM), 0x463DAEC7u);
    EXPECT_EQ(f.substr(KNOWN_CHECKSUM + 4), std::string("--TWX--\0", 8));
}

TEST_F(GameFileTest, GoldenFileLoadsAsTheKnownGame) {
    std::string expected = known_game_file();
    clear_game();
    std::string golden = golden_bytes();
    FILE* f = std::fopen("games/golden.trp", "wb");
    std::fwrite(golden.data(), 1, golden.size(), f);
    std::fclose(f);
    ASSERT_EQ(load_game_file("games\\GOLDEN.TRP"), GAME_LOAD_OK);
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_STREQ(g_shipowners[0].ships->next->name, "Kormoran");
    EXPECT_EQ(g_shipowners[0].ships->next->next, nullptr);
    EXPECT_EQ(game_bytes(), expected);
}

}  // namespace
