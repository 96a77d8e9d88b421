// The watchdog of a scripted player. The game's letters, message boxes, questions and pauses wait
// for an answer alone (a pending quit is no answer), so a script that fails to answer one leaves the
// game waiting for good, and nothing may answer in the player's place. The watchdog then fails the
// case with what the game waits on and ends the test process at once; ctest runs every case in its
// own process, so only the stuck case fails, within seconds instead of at ctest's timeout.
#pragma once

#include <cstdint>
#include <string>

// What is up for the player to answer: the top-most of a letter, a question and a message box, else
// a screen of buttons, else none of them (a screen that takes its keys itself, the radar's pause).
enum class Modal { none, letter, question, message_box, buttons };
Modal modal_up();
// "a letter", "a yes/no question", ... as a failure message says it.
const char* modal_name(Modal m);

// Called from a fixture's sleep hook at every sleep: follows what is up, and gives up once the
// virtual clock passes limit_ms (0: no limit). A stuck box costs the clock only its own polls and
// sleeps, so even a limit of virtual minutes is reached well within a second of real time, under
// AddressSanitizer too. note says whose script it was.
class GiveUpWatch {
  public:
    GiveUpWatch(uint32_t limit_ms, const char* note) : limit_ms_(limit_ms), note_(note) {}

    // A fresh case: the clock is back at 0 and nothing has been seen up.
    void reset() {
        up_ = Modal::none;
        up_since_ = 0;
    }
    void check(uint32_t now);
    // Gives up at once: the message names what is up and since when, and adds extra.
    [[noreturn]] void give_up(uint32_t now, const std::string& extra = {}) const;

  private:
    uint32_t limit_ms_;
    const char* note_;
    Modal up_ = Modal::none;
    uint32_t up_since_ = 0;
};

// Fails the current case with the message, flushes the output and ends the process with status 1.
[[noreturn]] void give_up_now(const std::string& message);
