// The harbour screens on the headless host: fonts and pictures loaded, the world at the start of a
// game with calm weather, one shipowner "Nordsee" of London with 5000 k$, and a player who types the queued keys one
// at a time, each once the game has taken the one before, noting what was on screen for each key.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>

struct Ship;
struct Shipowner;

class HarbourTest : public testing::Test {
  public:
    // Queued like a key: instead of typing, the player raises the quit flag.
    static constexpr uint32_t QUIT = 0x10000;

  protected:
    void SetUp() override;
    void TearDown() override;

    // A ship of the model in full condition lying in the port without a charter, appended to the
    // shipowner's list.
    static Ship* add_ship(int32_t player, int32_t port, int32_t model, const char* name = "Aurora");
    // Keys typed in this order.
    void keys(const std::string& typed);
    void key(uint32_t code);
    // One letter per key typed: what took it ('M' message box, 'Q' question, 'L' letter, 'S' a
    // screen of buttons, 'F' an entry field). A key waits while none of these is up.
    const std::string& seen() const { return player_.seen; }
    bool all_keys_taken() const { return player_.queue.empty(); }
    // The random generator at a known state.
    static void seed(uint16_t value);
    // The draws random_range(lo, hi) would give next, without changing the generator.
    static int32_t peek(int32_t index, const int32_t* los, const int32_t* his);

    Shipowner* owner_ = nullptr;

  private:
    struct Player {
        std::deque<uint32_t> queue;
        std::string seen;
        uint32_t typed_at = 0;
    };
    static void on_sleep(void* context);
    Player player_;
};

// Money and the four accounts of a shipowner, to compare before and after.
struct Books {
    int32_t cash;
    int32_t income_shipping;
    int32_t income_sales;
    int32_t expenses_general;
    int32_t expenses_interest;
};
Books books_of(const Shipowner* owner);
