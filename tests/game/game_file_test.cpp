// Saving and loading games: the checksum, the sizes, round trips of larger games, the playing time
// carried over, the old format, edited files, saves that fail, and corrupt files of every kind,
// each of which must leave no game and no ship behind.
#include "world/game_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "world/game_file_codec.h"
#include "host/headless_host.h"
#include "tests/game/game_file_fixture.h"
#include "tests/harness/case_name.h"
#include "tests/harness/harness.h"

namespace {

namespace fs = std::filesystem;

TEST(GameFileChecksum, TheTwoReferenceValues) {
    EXPECT_EQ(game_file_checksum(nullptr, 0), 0xB46F6E0Fu);
    Shipowner one{};
    one.status = -1;
    one.cash = 4100;
    EXPECT_EQ(game_file_checksum(&one, 1), 0x56B3AD28u);
}

TEST(GameFileChecksum, CoversOnlyStatusAndCashWrapping) {
    Shipowner a[2]{};
    a[0].status = INT32_MAX;
    a[0].cash = INT32_MAX;
    a[1].cash = -7;
    uint32_t c = game_file_checksum(a, 2);
    std::strcpy(a[0].name, "Edited");
    a[1].credit = 99;
    EXPECT_EQ(game_file_checksum(a, 2), c);
    a[1].cash = -6;
    EXPECT_NE(game_file_checksum(a, 2), c);
}

// Every field of a record written with a distinct value: re-reading gives the same image, and the
// padding bytes stay zero whatever lies in memory.
TEST(GameFileCodec, RecordImagesKeepEveryFieldAndZeroPadding) {
    uint8_t image[SHIPOWNER_IMAGE_SIZE];
    for (uint32_t i = 0; i < SHIPOWNER_IMAGE_SIZE; ++i) image[i] = static_cast<uint8_t>(i * 7 + 1);
    const uint32_t owner_padding[] = {47, 73, 74, 75};
    for (uint32_t p : owner_padding) image[p] = 0;
    Shipowner owner;
    std::memset(&owner, 0xA5, sizeof owner);
    EXPECT_EQ(shipowner_from_image(image, &owner), 1);
    EXPECT_EQ(owner.ships, nullptr);
    Ship first{};
    owner.ships = &first;  // a link is written as 1 whatever its address
    uint8_t again[SHIPOWNER_IMAGE_SIZE];
    shipowner_to_image(&owner, again);
    put_u32(image + 88, 1);
    for (uint32_t i = 0; i < SHIPOWNER_IMAGE_SIZE; ++i) EXPECT_EQ(image[i], again[i]) << "offset " << i;
    EXPECT_EQ(owner.cash, static_cast<int32_t>(get_u32(image + 48)));
    EXPECT_EQ(owner.achievements, get_u32(image + 1120));

    uint8_t ship_image[SHIP_IMAGE_SIZE];
    for (uint32_t i = 0; i < SHIP_IMAGE_SIZE; ++i) ship_image[i] = static_cast<uint8_t>(i * 11 + 3);
    const uint32_t ship_padding[] = {17, 18, 19, 29, 30, 31, 43, 58, 59, 125, 126, 127};
    for (uint32_t p : ship_padding) ship_image[p] = 0;
    put_u32(ship_image, 0);
    Ship ship;
    std::memset(&ship, 0x5A, sizeof ship);
    EXPECT_EQ(ship_from_image(ship_image, &ship), 0);
    EXPECT_EQ(ship.next, nullptr);
    uint8_t ship_again[SHIP_IMAGE_SIZE];
    ship_to_image(&ship, ship_again);
    for (uint32_t i = 0; i < SHIP_IMAGE_SIZE; ++i) EXPECT_EQ(ship_image[i], ship_again[i]) << "offset " << i;
    EXPECT_EQ(ship.direction, static_cast<int16_t>(get_u16(ship_image + 56)));
    EXPECT_EQ(ship.voyage_flags, get_u16(ship_image + 116));
    EXPECT_EQ(ship.smuggling_kind, static_cast<int8_t>(ship_image[124]));
}

TEST_F(GameFileTest, OneShipownerWithoutShipsIs1207Bytes) {
    g_difficulty = 1;
    g_shipowner_count = 1;
    g_shipowners[0].status = -1;
    g_shipowners[0].cash = 4100;
    std::string f = game_bytes();
    ASSERT_EQ(f.size(), 1207u);
    EXPECT_EQ(get_le32(f, 71 + 88), 0u);
    EXPECT_EQ(get_le32(f, 1207 - 12), 0x56B3AD28u);
}

TEST_F(GameFileTest, AGameOfNoShipownersLoads) {
    g_difficulty = 3;
    std::string f = game_bytes();
    ASSERT_EQ(f.size(), 71u + 12u);
    EXPECT_EQ(get_le32(f, 71), 0xB46F6E0Fu);
    harness_write_file("games/empty.trp", f);
    EXPECT_EQ(load_game_file("games\\empty.trp"), GAME_LOAD_OK);
    EXPECT_EQ(g_shipowner_count, 0);
    EXPECT_EQ(g_difficulty, 3);
}

TEST_F(GameFileTest, FourShipownersRoundTrip) {
    g_difficulty = 3;
    g_difficulty_allowance = 2000;
    g_playing_duration = -1;
    g_day = 12345;
    g_sim_mode = 1;
    const int32_t fleets[SHIPOWNER_MAX] = {0, 1, 30, 5};
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) make_shipowner(i, fleets[i]);
    g_shipowner_count = 4;
    std::string saved = game_bytes();
    EXPECT_EQ(saved.size(), 71u + 4u * 1124u + 36u * 128u + 12u);
    ASSERT_EQ(save_game_file("games\\four.trp"), GAME_SAVE_OK);

    clear_game();
    ASSERT_EQ(load_game_file("games\\four.trp"), GAME_LOAD_OK);
    EXPECT_EQ(g_shipowner_count, 4);
    EXPECT_EQ(g_day, 12345);
    EXPECT_EQ(g_sim_mode, 1);
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) EXPECT_EQ(ship_count(&g_shipowners[i]), fleets[i]) << i;
    EXPECT_EQ(ship_blocks_in_use() - base_blocks_, 36);
    EXPECT_STREQ(g_shipowners[2].ships->next->next->name, "Ship Cc");
    EXPECT_EQ(game_bytes(), saved);

    // Loading again replaces the game: the old ships are freed, not added to.
    ASSERT_EQ(load_game_file("games\\four.trp"), GAME_LOAD_OK);
    EXPECT_EQ(ship_blocks_in_use() - base_blocks_, 36);
}

TEST_F(GameFileTest, MissingFileChangesNothing) {
    make_known_game();
    EXPECT_EQ(load_game_file("games\\nothing.trp"), GAME_LOAD_NOT_FOUND);
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_EQ(ship_count(&g_shipowners[0]), 2);
}

struct TimeCase {
    const char* what;
    int32_t duration;
    int32_t start;
    int32_t now;
    int32_t saved;
};

class GameFileTime : public testing::TestWithParam<TimeCase> {};

TEST_P(GameFileTime, SavedPlayingTime) {
    const TimeCase& c = GetParam();
    int32_t duration = g_playing_duration, start = g_game_start_time;
    g_playing_duration = c.duration;
    g_game_start_time = c.start;
    EXPECT_EQ(game_file_time_left(c.now), c.saved);
    g_playing_duration = duration;
    g_game_start_time = start;
}

INSTANTIATE_TEST_SUITE_P(Cases, GameFileTime,
                         testing::Values(TimeCase{"an hour, 1000 s played", 3600, 100, 1100, 2600},
                                         TimeCase{"exactly 100 s left is kept", 3600, 0, 3500, 100},
                                         TimeCase{"99 s left becomes 120", 3600, 0, 3501, 120},
                                         TimeCase{"time already over becomes 120", 3600, 0, 9000, 120},
                                         TimeCase{"an unlimited game keeps -1", -1, 0, 5000, -1},
                                         TimeCase{"a duration of 0 is kept", 0, 0, 5000, 0},
                                         TimeCase{"the seconds clock wrapping", 7200, INT32_MAX - 9,
                                                  INT32_MIN + 990, 6200}),
                         CaseName());

TEST_F(GameFileTest, PlayingTimeCountsFromTheLoad) {
    make_known_game();
    g_playing_duration = 3600;
    g_game_start_time = 0;
    headless_advance(1000 * 1000);
    ASSERT_EQ(save_game_file("games\\timed.trp"), GAME_SAVE_OK);
    EXPECT_EQ(get_le32(harness_read_file("games/timed.trp"), 39), 2600u);
    headless_advance(500 * 1000);
    ASSERT_EQ(load_game_file("games\\timed.trp"), GAME_LOAD_OK);
    EXPECT_EQ(g_playing_duration, 2600);
    EXPECT_EQ(g_game_start_time, 1500);
}

TEST_F(GameFileTest, OldFormatLoadsWithShipSimulation) {
    std::string current = known_game_file();
    std::string old = current;
    old.replace(0, 32, "TWX  MRV  2.0 SAVE 1994 Tarnholm");
    old.erase(67, 4);
    harness_write_file("games/old.trp", old);
    clear_game();
    g_sim_mode = 1;
    ASSERT_EQ(load_game_file("games\\old.trp"), GAME_LOAD_OK);
    EXPECT_EQ(g_sim_mode, 0);
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_EQ(g_shipowners[0].cash, 1234);
    EXPECT_EQ(ship_count(&g_shipowners[0]), 2);
    // Saved again it is a current file, the same but for the mode.
    std::string expected = current;
    put_le32(&expected, 67, 0);
    EXPECT_EQ(game_bytes(), expected);
}

TEST_F(GameFileTest, EditedShipsLoadButEditedCashDoesNot) {
    std::string f = known_game_file();
    std::string ships = f;
    put_le32(&ships, KNOWN_SHIP_0 + 24, 0);        // the mortgage paid off
    ships[KNOWN_SHIP_1 + 4] = 'W';                 // a renamed ship
    put_le32(&ships, KNOWN_OWNER_0 + 52, 999999);  // the income is not covered either
    put_le32(&ships, KNOWN_SHIP_0 + 44, 1800);     // at the edges of the globe
    put_le32(&ships, KNOWN_SHIP_0 + 48, static_cast<uint32_t>(-900));
    put_le32(&ships, KNOWN_SHIP_1 + 44, static_cast<uint32_t>(-1800));
    put_le32(&ships, KNOWN_SHIP_1 + 48, 900);
    harness_write_file("games/ships.trp", ships);
    ASSERT_EQ(load_game_file("games\\ships.trp"), GAME_LOAD_OK);
    EXPECT_EQ(g_shipowners[0].ships->mortgage, 0);
    EXPECT_STREQ(g_shipowners[0].ships->next->name, "Wormoran");
    EXPECT_EQ(g_shipowners[0].ships->lat, -900);
    EXPECT_EQ(g_shipowners[0].ships->next->lon, -1800);

    std::string cash = f;
    put_le32(&cash, KNOWN_OWNER_1 + 48, 999999);
    harness_write_file("games/cash.trp", cash);
    std::string before = game_bytes();
    int32_t blocks = ship_blocks_in_use();
    EXPECT_EQ(load_game_file("games\\cash.trp"), GAME_LOAD_BAD_CRC);
    EXPECT_EQ(game_bytes(), before) << "the edited-ships game stays";
    EXPECT_EQ(ship_blocks_in_use(), blocks);
}

TEST_F(GameFileTest, BytesAfterTheTrailerAreIgnored) {
    std::string f = known_game_file() + std::string(300, 'x');
    harness_write_file("games/long.trp", f);
    ASSERT_EQ(load_game_file("games\\long.trp"), GAME_LOAD_OK);
    EXPECT_EQ(g_shipowner_count, 2);
}

TEST_F(GameFileTest, SavingReplacesTheOldFileWhole) {
    harness_write_file("games/game1.trp", std::string(5000, 'x'));
    make_known_game();
    ASSERT_EQ(save_game_file("games\\GAME1.TRP"), GAME_SAVE_OK) << "names match without regard to case";
    EXPECT_EQ(harness_read_file("games/game1.trp").size(), KNOWN_GAME_SIZE);
    EXPECT_FALSE(fs::exists("games/GAME1.TRP"));
    int32_t entries = 0;
    for (const auto& e : fs::directory_iterator("games")) entries += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(entries, 1) << "no temporary file is left";
}

TEST_F(GameFileTest, AFailedSaveKeepsThePreviousGame) {
    harness_write_file("games/keep.trp", "the previous game");
    fs::create_directory("games/keep.trp.new");  // the temporary file cannot be made
    make_known_game();
    EXPECT_EQ(save_game_file("games\\keep.trp"), GAME_SAVE_FAILED);
    EXPECT_EQ(harness_read_file("games/keep.trp"), "the previous game");
    EXPECT_EQ(save_game_file("nowhere\\game.trp"), GAME_SAVE_FAILED);
}

// ---- Corrupt files ----------------------------------------------------------------------------

struct CorruptCase {
    const char* what;
    std::function<void(std::string*)> damage;
    int32_t result;
};

void set_byte(std::string* f, uint32_t offset, uint8_t v) {
    (*f)[offset] = static_cast<char>(v);
}

const CorruptCase kCorrupt[] = {
    {"empty file", [](std::string* f) { f->clear(); }, GAME_LOAD_BAD_ID},
    {"shorter than the identification", [](std::string* f) { f->resize(31); }, GAME_LOAD_BAD_ID},
    {"only the identification", [](std::string* f) { f->resize(32); }, GAME_LOAD_BAD_ID},
    {"ends in the header", [](std::string* f) { f->resize(50); }, GAME_LOAD_BAD_ID},
    {"ends before the first record", [](std::string* f) { f->resize(71); }, GAME_LOAD_BAD_ID},
    {"ends inside a ship", [](std::string* f) { f->resize(KNOWN_SHIP_1 + 60); }, GAME_LOAD_BAD_ID},
    {"ends before the checksum", [](std::string* f) { f->resize(KNOWN_CHECKSUM); }, GAME_LOAD_BAD_ID},
    {"ends inside the trailer", [](std::string* f) { f->resize(KNOWN_GAME_SIZE - 1); }, GAME_LOAD_BAD_ID},
    {"identification misspelt", [](std::string* f) { (*f)[5] = 'N'; }, GAME_LOAD_BAD_ID},
    {"identification of another year", [](std::string* f) { f->replace(19, 4, "2004"); }, GAME_LOAD_BAD_ID},
    {"checksum off by one", [](std::string* f) { put_le32(f, KNOWN_CHECKSUM, 0x463DAEC8); },
     GAME_LOAD_BAD_CRC},
    {"status edited", [](std::string* f) { put_le32(f, KNOWN_OWNER_0, 8); }, GAME_LOAD_BAD_CRC},
    {"count of three, two held", [](std::string* f) { set_byte(f, 38, 3); }, GAME_LOAD_BAD_ID},
    {"count of one, two held", [](std::string* f) { set_byte(f, 38, 1); }, GAME_LOAD_BAD_CRC},
    {"count of five", [](std::string* f) { set_byte(f, 38, 5); }, GAME_LOAD_BAD_ID},
    {"count of minus one", [](std::string* f) { set_byte(f, 38, 0xFF); }, GAME_LOAD_BAD_ID},
    {"ships promised but none follow", [](std::string* f) { put_le32(f, KNOWN_OWNER_1 + 88, 1); },
     GAME_LOAD_BAD_ID},
    {"last ship says another follows", [](std::string* f) { put_le32(f, KNOWN_SHIP_1, 1); },
     GAME_LOAD_BAD_ID},
    {"first ship says it is the last", [](std::string* f) { put_le32(f, KNOWN_SHIP_0, 0); },
     GAME_LOAD_BAD_ID},
    {"ship model 0", [](std::string* f) { set_byte(f, KNOWN_SHIP_0 + 16, 0); }, GAME_LOAD_BAD_ID},
    {"ship model 8", [](std::string* f) { set_byte(f, KNOWN_SHIP_1 + 16, 8); }, GAME_LOAD_BAD_ID},
    {"route 56", [](std::string* f) { set_byte(f, KNOWN_SHIP_1 + 40, 56); }, GAME_LOAD_BAD_ID},
    {"cargo 11", [](std::string* f) { set_byte(f, KNOWN_SHIP_1 + 41, 11); }, GAME_LOAD_BAD_ID},
    {"ship in port 29", [](std::string* f) { set_byte(f, KNOWN_SHIP_0 + 42, 29); }, GAME_LOAD_BAD_ID},
    {"direction 2", [](std::string* f) { set_byte(f, KNOWN_SHIP_1 + 56, 2); }, GAME_LOAD_BAD_ID},
    {"harbour map 28", [](std::string* f) { set_byte(f, KNOWN_SHIP_1 + 118, 28); }, GAME_LOAD_BAD_ID},
    {"berth 4", [](std::string* f) { set_byte(f, KNOWN_SHIP_1 + 119, 4); }, GAME_LOAD_BAD_ID},
    {"ship east of the date line", [](std::string* f) { put_le32(f, KNOWN_SHIP_0 + 44, 1801); }, GAME_LOAD_BAD_ID},
    {"ship far west of the globe", [](std::string* f) { put_le32(f, KNOWN_SHIP_1 + 44, 0x80000000u); },
     GAME_LOAD_BAD_ID},
    {"ship north of the pole", [](std::string* f) { put_le32(f, KNOWN_SHIP_1 + 48, 901); }, GAME_LOAD_BAD_ID},
    {"ship south of the pole", [](std::string* f) { put_le32(f, KNOWN_SHIP_0 + 48, 0xFFFFFC7Bu); },
     GAME_LOAD_BAD_ID},
    {"smuggling kind 4", [](std::string* f) { set_byte(f, KNOWN_SHIP_1 + 124, 4); }, GAME_LOAD_BAD_ID},
    {"smuggling kind -4", [](std::string* f) { set_byte(f, KNOWN_SHIP_0 + 124, 0xFC); }, GAME_LOAD_BAD_ID},
    {"ship name without its end", [](std::string* f) { f->replace(KNOWN_SHIP_0 + 4, 12, "ABCDEFGHIJKL"); },
     GAME_LOAD_BAD_ID},
    {"company without its end", [](std::string* f) { f->replace(KNOWN_OWNER_1 + 32, 12, "ABCDEFGHIJKL"); },
     GAME_LOAD_BAD_ID},
    {"home port 29", [](std::string* f) { set_byte(f, KNOWN_OWNER_0 + 44, 29); }, GAME_LOAD_BAD_ID},
    {"net-worth slot 256", [](std::string* f) { put_le32(f, KNOWN_OWNER_0 + 92, 256); }, GAME_LOAD_BAD_ID},
    {"office style repeated", [](std::string* f) { set_byte(f, 64, 2); }, GAME_LOAD_BAD_ID},
    {"office style 4", [](std::string* f) { set_byte(f, 66, 4); }, GAME_LOAD_BAD_ID},
    {"difficulty 0", [](std::string* f) { set_byte(f, 33, 0); }, GAME_LOAD_BAD_ID},
    {"difficulty 4", [](std::string* f) { set_byte(f, 33, 4); }, GAME_LOAD_BAD_ID},
};

class CorruptFile : public GameFileTest, public testing::WithParamInterface<CorruptCase> {};

TEST_P(CorruptFile, FailsAndKeepsTheGameInProgress) {
    std::string f = known_game_file();
    GetParam().damage(&f);
    harness_write_file("games/bad.trp", f);
    // The known game is in memory with its ships: a failed load leaves it whole, and what was
    // read of the damaged file is freed.
    ASSERT_EQ(g_shipowner_count, 2);
    const std::string before = game_bytes();
    const Ship* first = g_shipowners[0].ships;
    EXPECT_EQ(load_game_file("games\\bad.trp"), GetParam().result);
    EXPECT_EQ(g_shipowner_count, 2);
    EXPECT_EQ(g_shipowners[0].ships, first);
    EXPECT_EQ(ships_in_lists(), 2);
    EXPECT_EQ(ship_blocks_in_use() - base_blocks_, 2);
    EXPECT_EQ(game_bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, CorruptFile, testing::ValuesIn(kCorrupt), CaseName());

TEST_F(GameFileTest, RunningOutOfMemoryFreesWhatWasRead) {
    std::string f = known_game_file();
    harness_write_file("games/known.trp", f);
    for (int32_t granted = 0; granted < 2; ++granted) {
        ship_alloc_fail_after(granted);
        EXPECT_EQ(load_game_file("games\\known.trp"), GAME_LOAD_NO_MEMORY) << granted;
        EXPECT_EQ(g_shipowner_count, 2);
        EXPECT_EQ(ships_in_lists(), 2);
        EXPECT_EQ(ship_blocks_in_use() - base_blocks_, 2);
    }
    ship_alloc_fail_after(-1);
    EXPECT_EQ(load_game_file("games\\known.trp"), GAME_LOAD_OK);
}

// Each byte of the known game inverted in turn: the load either fails cleanly or gives a game whose
// every ship block sits in a list. Where the byte is one the reader checks (the identification,
// the count, status and cash, a zero link, a ship's model, the checksum) it must fail.
TEST_F(GameFileTest, EveryInvertedByteFailsCleanlyOrLoadsWhole) {
    const std::string f = known_game_file();
    auto must_fail = [](uint32_t i) {
        auto in = [i](uint32_t from, uint32_t n) { return i >= from && i < from + n; };
        return in(0, 32) || i == 33 || i == 38 || in(63, 4) || in(KNOWN_OWNER_0, 4) ||
               in(KNOWN_OWNER_0 + 48, 4) || in(KNOWN_OWNER_1, 4) || in(KNOWN_OWNER_1 + 48, 4) ||
               in(KNOWN_OWNER_1 + 88, 4) || in(KNOWN_SHIP_1, 4) || i == KNOWN_SHIP_0 + 16 ||
               i == KNOWN_SHIP_1 + 16 || in(KNOWN_CHECKSUM, 4);
    };
    int32_t failed = 0;
    for (uint32_t i = 0; i < f.size(); ++i) {
        std::string bad = f;
        bad[i] = static_cast<char>(~bad[i]);
        harness_write_file("games/flip.trp", bad);
        const std::string before = game_bytes();
        const int32_t blocks = ship_blocks_in_use();
        int32_t result = load_game_file("games\\flip.trp");
        if (result == GAME_LOAD_OK) {
            ASSERT_FALSE(must_fail(i)) << "offset " << i << " loaded";
            ASSERT_EQ(ship_blocks_in_use() - base_blocks_, ships_in_lists()) << "offset " << i;
        } else {
            ++failed;
            ASSERT_TRUE(result == GAME_LOAD_BAD_ID || result == GAME_LOAD_BAD_CRC) << "offset " << i;
            ASSERT_EQ(ship_blocks_in_use(), blocks) << "offset " << i;
            ASSERT_EQ(game_bytes(), before) << "offset " << i;
        }
    }
    EXPECT_GE(failed, 80);
}

}  // namespace
