// The voyage screens on the headless host: fonts and pictures loaded, every library's globals at
// their start values, one shipowner "Hendrik" of London with 1000 k$ and his ship "Aurora" (model 5,
// laden, in London's harbour), calm weather (the map draws no storm numbers), and a player who types the queued keys one at a time, each once the
// game has taken the one before, and Enter for anything after them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

struct Ship;
struct Shipowner;

// The generator's state, to replay the draws a screen is going to make.
struct RandomState {
    uint16_t seed, counter, value;
    static RandomState now();
    void restore() const;
};

// The first seed (counter 0) whose draws, replayed by want, satisfy it; 0 when none does.
uint16_t find_seed(const std::function<bool()>& want);

class VoyageTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void type_keys(const std::vector<uint32_t>& keys);
    // Off: the player types only the queued keys (for tests that script the mouse).
    void answer_with_enter(bool on) { player_.enter_after = on; }
    int32_t keys_typed() const { return player_.typed; }

    Shipowner* owner_ = nullptr;
    Ship* ship_ = nullptr;

  private:
    struct Player {
        std::deque<uint32_t> keys;
        uint32_t last_at = 0;
        bool typed_once = false;
        int32_t typed = 0;
        bool enter_after = true;
    };
    static void on_sleep(void* context);
    Player player_;
};
