// Buttons under the one poll: which gadget a press hits, the highlight through press, drag and
// release, toggles, and what removing a gadget does to the pressed and the active links.
#include "ui/gadget.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/harness/case_name.h"
#include "tests/ui/ui_fixture.h"
#include "ui/gadget_poll.h"

namespace {

Gadget make_button(int16_t left, int16_t top, int16_t width, int16_t height, uint16_t id,
                   uint16_t activation = 0) {
    return Gadget{nullptr, left,    top,     width,   height, GADGET_HIGHLIGHT_BOX, activation, GADGET_BUTTON,
                  nullptr, nullptr, nullptr, nullptr, id};
}

struct PollResult {
    int32_t result, code, event_class;
};

PollResult poll() {
    PollResult r{0, -1, -1};
    r.result = gadget_poll_event(&r.code, &r.event_class);
    return r;
}

// One step of the mouse, then one poll.
struct Step {
    char action;  // 'D' left down at (x, y), 'M' move to (x, y), 'U' left up
    int32_t x, y;
    PollResult expect;
    bool highlighted;  // the button's box inverted (colour 8 over the colour-7 frame) after the poll
};

struct ClickCase {
    const char* what;
    uint16_t activation;
    std::vector<Step> steps;
};

class ButtonClicks : public UiTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(ButtonClicks, HighlightAndEventsFollowThePointer) {
    fill_frame(7);
    Gadget button = make_button(50, 40, 30, 20, 77, GetParam().activation);
    gadget_add(&button);
    int32_t n = 0;
    for (const Step& s : GetParam().steps) {
        if (s.action == 'D') left_down(s.x, s.y);
        if (s.action == 'M') move(s.x, s.y);
        if (s.action == 'U') left_up();
        PollResult r = poll();
        SCOPED_TRACE(testing::Message() << "step " << n++ << " " << s.action);
        EXPECT_EQ(r.result, s.expect.result);
        EXPECT_EQ(r.code, s.expect.code);
        EXPECT_EQ(r.event_class, s.expect.event_class);
        EXPECT_EQ(count_colour(50, 40, 79, 59, 8), s.highlighted ? 600 : 0);
        EXPECT_EQ((button.flags & GADGET_SELECTED) != 0, s.highlighted);
    }
    EXPECT_EQ(pixel(49, 40), 7) << "nothing outside the box is touched";
    EXPECT_EQ(pixel(80, 59), 7);
}

const ClickCase kClickCases[] = {
    {"press and release inside give two results with the same code",
     0,
     {{'D', 60, 50, {1, 77, GADGET_EVENT_DOWN}, true}, {'U', 0, 0, {1, 77, GADGET_EVENT_UP}, false}}},
    {"the box corners are inclusive",
     0,
     {{'D', 79, 59, {1, 77, GADGET_EVENT_DOWN}, true}, {'U', 0, 0, {1, 77, GADGET_EVENT_UP}, false}}},
    {"a press beside the box hits nothing",
     0,
     {{'D', 80, 50, {0, 0, GADGET_EVENT_DOWN}, false}, {'U', 0, 0, {0, 0, GADGET_EVENT_UP}, false}}},
    {"sliding off removes the highlight and sliding back restores it",
     0,
     {{'D', 60, 50, {1, 77, GADGET_EVENT_DOWN}, true},
      {'M', 100, 50, {0, 0, GADGET_EVENT_NONE}, false},
      {'M', 101, 50, {0, 0, GADGET_EVENT_NONE}, false},
      {'M', 55, 45, {0, 0, GADGET_EVENT_NONE}, true},
      {'U', 0, 0, {1, 77, GADGET_EVENT_UP}, false}}},
    {"a release outside gives nothing",
     0,
     {{'D', 60, 50, {1, 77, GADGET_EVENT_DOWN}, true},
      {'M', 10, 10, {0, 0, GADGET_EVENT_NONE}, false},
      {'U', 0, 0, {0, 0, GADGET_EVENT_UP}, false}}},
    {"a toggle keeps its highlight until the next press",
     GADGET_TOGGLE,
     {{'D', 60, 50, {1, 77, GADGET_EVENT_DOWN}, true},
      {'U', 0, 0, {1, 77, GADGET_EVENT_UP}, true},
      {'D', 60, 50, {1, 77, GADGET_EVENT_DOWN}, false},
      {'U', 0, 0, {1, 77, GADGET_EVENT_UP}, false}}},
    {"a held button gives no further events",
     0,
     {{'D', 60, 50, {1, 77, GADGET_EVENT_DOWN}, true},
      {'M', 61, 51, {0, 0, GADGET_EVENT_NONE}, true},
      {'M', 62, 52, {0, 0, GADGET_EVENT_NONE}, true},
      {'U', 0, 0, {1, 77, GADGET_EVENT_UP}, false},
      {'M', 63, 53, {0, 0, GADGET_EVENT_NONE}, false}}},
};
INSTANTIATE_TEST_SUITE_P(Gadgets, ButtonClicks, testing::ValuesIn(kClickCases), CaseName());

class GadgetList : public UiTest {};

TEST_F(GadgetList, TheGadgetAddedLastIsHitFirst) {
    Gadget under = make_button(10, 10, 50, 50, 1);
    Gadget over = make_button(40, 40, 50, 50, 2);
    gadget_add(&under);
    gadget_add(&over);
    gadget_add(&under);  // already listed: stays where it is
    EXPECT_EQ(g_gadget_list, &over);
    EXPECT_EQ(over.next, &under);
    EXPECT_EQ(under.next, nullptr);

    struct {
        int32_t x, y, code;
    } const hits[] = {{45, 45, 2}, {59, 59, 2}, {20, 20, 1}, {89, 89, 2}, {39, 59, 1}};
    for (auto h : hits) {
        left_down(h.x, h.y);
        PollResult r = poll();
        EXPECT_EQ(r.code, h.code) << h.x << "," << h.y;
        left_up();
        poll();
    }
}

TEST_F(GadgetList, RemovingThePressedButtonDropsItsHighlightButNotAToggles) {
    fill_frame(7);
    for (uint16_t activation : {uint16_t{0}, uint16_t{GADGET_TOGGLE}}) {
        Gadget button = make_button(50, 40, 30, 20, 5, activation);
        gadget_add(&button);
        left_down(60, 50);
        poll();
        ASSERT_EQ(g_pressed_gadget, &button);
        gadget_remove(&button);
        EXPECT_EQ(g_pressed_gadget, nullptr);
        EXPECT_EQ(g_gadget_list, nullptr);
        bool toggle = activation != 0;
        EXPECT_EQ((button.flags & GADGET_SELECTED) != 0, toggle);
        EXPECT_EQ(pixel(60, 50), toggle ? 8 : 7);
        left_up();
        EXPECT_EQ(poll().result, 0) << "the release finds no pressed gadget";
        fill_frame(7);
    }
}

TEST_F(GadgetList, RemoveUnlinksFromTheMiddleAndRemoveAllLeavesStaleLinks) {
    Gadget a = make_button(0, 0, 5, 5, 1);
    Gadget b = make_button(0, 0, 5, 5, 2);
    Gadget c = make_button(0, 0, 5, 5, 3);
    gadget_add(&a);
    gadget_add(&b);
    gadget_add(&c);
    gadget_remove(&b);
    EXPECT_EQ(c.next, &a);
    EXPECT_EQ(b.next, nullptr);
    gadget_remove(&b);  // not listed: nothing changes
    EXPECT_EQ(g_gadget_list, &c);
    gadget_remove_all();
    EXPECT_EQ(g_gadget_list, nullptr);
    EXPECT_EQ(c.next, &a) << "members keep their links";
}

TEST_F(GadgetList, LooksInvertTheBoxOrOnlyItsEdge) {
    fill_frame(7);
    Gadget box = make_button(10, 10, 10, 6, 1);
    Gadget frame = make_button(40, 10, 10, 6, 2);
    frame.flags = GADGET_HIGHLIGHT_FRAME;
    gadget_add(&box);
    gadget_add(&frame);
    for (Gadget* g : {&box, &frame}) {
        left_down(g->left + 1, g->top + 1);
        poll();
        left_up();
        move(0, 199);
        poll();  // released outside: the highlight stays as the last drag left it
    }
    // Press without drag and release outside leaves the highlight on.
    EXPECT_EQ(count_colour(10, 10, 19, 15, 8), 60);
    EXPECT_EQ(count_colour(40, 10, 49, 15, 8), 60 - 8 * 4) << "only the one-pixel edge is inverted";
    EXPECT_EQ(pixel(41, 11), 7);
    EXPECT_EQ(pixel(40, 10), 8);
}

}  // namespace
