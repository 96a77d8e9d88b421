// The office and the bank on the headless host: the fonts and pictures loaded, every library's
// globals at their start values, one shipowner "Oceanic" of London with 4100 k$ and status 5, and
// a scripted player that types keys one after another and notes every box the bank shows.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Ship;

// Key codes of the arrows and the editing keys as the key store holds them.
enum : int32_t { KEY_LEFT_ARROW = 37, KEY_UP_ARROW = 38, KEY_RIGHT_ARROW = 39, KEY_DOWN_ARROW = 40 };
enum : int32_t { KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_BACKSPACE = 8 };
// In a key list: a left click at the point that follows (two more entries, x and y).
constexpr int32_t KEY_CLICK = -1;
// In a key list: three seconds without a key (for an animation to finish).
constexpr int32_t KEY_PAUSE = -2;

class OfficeTest : public testing::Test {
  public:
    void SetUp() override;
    void TearDown() override;

    // A ship of the model in full condition lying in London, appended to shipowner player's list.
    static Ship* add_ship(int32_t model, const char* name, int32_t player = 0);
    // Queues the keys (and clicks) one every 300 ms of virtual time from now.
    static void script(const std::vector<int32_t>& keys);
    // The keys that replace an amount field's text by the value and leave the field with OK: the
    // old text deleted, the digits typed, Enter to end the field, Enter again for OK.
    static std::vector<int32_t> amount(int32_t value);
    static std::vector<int32_t> join(std::initializer_list<std::vector<int32_t>> parts);

    // 1 when the frame shows the sys13 text in colour 0 at (x, y) over plain box colour 7, with
    // nothing more drawn in the few pixels after it.
    static bool shows_text(const std::vector<uint8_t>& frame, int32_t x, int32_t y, const char* text);
    // The frame as it is now.
    static std::vector<uint8_t> frame();

    // The first lines of the bank's boxes in the order they were shown.
    std::vector<std::string> boxes;
    // Called after every sleep of the game thread, once the due input is delivered.
    std::function<void()> watch;
    // The frame when the screen under test last waited with its buttons up.
    std::vector<uint8_t> last_frame;

  private:
    static void on_sleep(void* context);
};
