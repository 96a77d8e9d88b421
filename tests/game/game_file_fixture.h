// A known game for the game-file tests: two shipowners, one with two ships (one of them under way
// across the date line), one that has never owned a ship, and every game-wide value set.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "world/records.h"

constexpr uint32_t KNOWN_GAME_SIZE = 71 + 2 * 1124 + 2 * 128 + 12;
// Offsets of the records in the known game's file.
constexpr uint32_t KNOWN_OWNER_0 = 71;
constexpr uint32_t KNOWN_SHIP_0 = KNOWN_OWNER_0 + 1124;
constexpr uint32_t KNOWN_SHIP_1 = KNOWN_SHIP_0 + 128;
constexpr uint32_t KNOWN_OWNER_1 = KNOWN_SHIP_1 + 128;
constexpr uint32_t KNOWN_CHECKSUM = KNOWN_OWNER_1 + 1124;

class GameFileTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Frees every ship and clears the records and the game-wide values.
    static void clear_game();
    // Sets up the known game in memory.
    static void make_known_game();
    // A shipowner with n ships of varied models, for larger games.
    static void make_shipowner(int32_t index, int32_t ships);
    // The known game's file bytes as save_game_file writes them.
    static std::string known_game_file();
    // The game in memory as file bytes (written through save_game_file into a scratch file).
    static std::string game_bytes();
    // Every ship block is held by some shipowner's list.
    static int32_t ships_in_lists();

    int32_t base_blocks_ = 0;
};

void put_le32(std::string* bytes, uint32_t offset, uint32_t v);
uint32_t get_le32(const std::string& bytes, uint32_t offset);
