// The daily step on the headless host: fonts and pictures for its letters and screens, the world at
// the start of a game, one shipowner "Hendrik" of London with 4100 k$, and a reader that answers every
// letter, message box, question and the elimination screen with Enter and counts them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

struct Ship;
struct Shipowner;

class DayStepTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A ship of model 6 (wear 8 a day) in full condition, without costs, laid up in London for 100 days
    // with this voyage's incidents past (a quiet day), appended to the shipowner's list.
    static Ship* add_ship(int32_t player, const char* name);
    // The shipowner's credit interest falls due on the next day.
    static void credit_due(Shipowner* owner, int32_t credit, int32_t rate);

    // Keys the reader types on the next screens instead of Enter, one a screen, in this order (a
    // harbour visit, say: "4\r\r" lays the ship up for a day).
    void answer_screens_with(const char* keys) {
        for (const char* k = keys; *k != '\0'; ++k) reader_.screen_keys.push_back(static_cast<uint8_t>(*k));
    }
    int32_t letters() const { return reader_.letters; }
    // Message boxes answered (a lost ship's reason and tragedy, an incident's result).
    int32_t boxes() const { return reader_.boxes; }
    // Questions answered (with the next of the screen keys, or Enter: yes).
    int32_t questions() const { return reader_.questions; }
    // Elimination screens shown, and the other screens with buttons (statistics, possessions).
    int32_t screens() const { return reader_.screens; }
    int32_t other_screens() const { return reader_.other_screens; }
    // The screen texts of the elimination screens as they were shown.
    const std::vector<std::vector<std::string>>& shown_screens() const { return reader_.screen_texts; }

  private:
    struct Reader {
        int32_t letters = 0;
        int32_t boxes = 0;
        int32_t questions = 0;
        int32_t screens = 0;
        int32_t other_screens = 0;
        uint32_t answered_at = 0;
        uint32_t question_seen_at = 0;
        bool answered = false;
        std::vector<std::vector<std::string>> screen_texts;
        std::vector<uint32_t> screen_keys;
    };
    static void on_sleep(void* context);
    Reader reader_;
};
