#include "tests/harness/give_up.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "ui/gadget.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"

namespace {

// "12.3 s", or "20 min 0.0 s" from a minute on.
std::string virtual_time(uint32_t ms) {
    char text[40];
    uint32_t minutes = ms / 60000u;
    uint32_t tenths = ms % 60000u / 100u;
    if (minutes == 0)
        std::snprintf(text, sizeof text, "%u.%u s", tenths / 10u, tenths % 10u);
    else
        std::snprintf(text, sizeof text, "%u min %u.%u s", minutes, tenths / 10u, tenths % 10u);
    return text;
}

}  // namespace

Modal modal_up() {
    // The list starts with the gadget added last, so the first box met is the one on top.
    for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next) {
        if (g == &g_letter_ok_gadget) return Modal::letter;
        if (g == &g_ask_yes_gadget) return Modal::question;
        if (g == &g_message_ok_gadget) return Modal::message_box;
    }
    return g_screen_button_last >= 0 ? Modal::buttons : Modal::none;
}

const char* modal_name(Modal m) {
    switch (m) {
    case Modal::letter: return "a letter";
    case Modal::question: return "a yes/no question";
    case Modal::message_box: return "a message box";
    case Modal::buttons: return "a screen of buttons";
    case Modal::none: break;
    }
    return "no letter, question, message box or screen of buttons, but a screen that waits for a key of "
           "its own (the radar's pause, say)";
}

void GiveUpWatch::check(uint32_t now) {
    Modal up = modal_up();
    if (up != up_) {
        up_ = up;
        up_since_ = now;
    }
    if (limit_ms_ != 0 && now > limit_ms_) give_up(now);
}

void GiveUpWatch::give_up(uint32_t now, const std::string& extra) const {
    std::string message = std::string(note_) + ": after " + virtual_time(now) +
                          " of virtual time the game still waits on " + modal_name(up_) + ", so for the last " +
                          virtual_time(now - up_since_);
    if (!extra.empty()) message += "; " + extra;
    give_up_now(message);
}

void give_up_now(const std::string& message) {
    ADD_FAILURE() << message;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (test != nullptr)
        std::fprintf(stderr, "[  FAILED  ] %s.%s: gave up, the test process ends here\n", test->test_suite_name(),
                     test->name());
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(1);
}
