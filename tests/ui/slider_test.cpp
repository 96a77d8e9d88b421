// Sliders: the knob size and position from the pots and bodies, paging by a press beside the knob,
// and a grabbed knob following the pointer.
#include "ui/slider.h"

#include <gtest/gtest.h>

#include "tests/harness/case_name.h"
#include "tests/ui/ui_fixture.h"
#include "ui/gadget.h"
#include "ui/gadget_poll.h"

namespace {

struct KnobCase {
    const char* what;
    int16_t width, height;
    uint16_t flags;  // slider flags
    uint16_t hpot, vpot, hbody, vbody;
    int32_t render;  // 0 none, 1 an image 18 x 29 at (1, 2), 2 a border
    uint16_t knob_width, knob_height, knob_x, knob_y;
};

class SliderKnob : public UiTest, public testing::WithParamInterface<KnobCase> {};

TEST_P(SliderKnob, SizeAndPositionComeFromTheBodiesAndPots) {
    const KnobCase& c = GetParam();
    GadgetImage image = {1, 2, 18, 29, 0, nullptr, 2, nullptr};
    const int16_t points[] = {0, 0, 5, 5};
    GadgetBorder border = {0, 0, 3, 2, points, nullptr};
    SliderInfo info = {c.flags, c.hpot, c.vpot, c.hbody, c.vbody, 7, 7, 0, 0, 0, 0};
    Gadget g = {nullptr, 100,     50,      c.width, c.height, GADGET_HIGHLIGHT_BOX, 0, GADGET_SLIDER,
                nullptr, nullptr, nullptr, &info,   9};
    if (c.render == 1) {
        g.render = &image;
        g.flags |= GADGET_IMAGE_RENDERS;
    }
    if (c.render == 2) g.render = &border;
    slider_draw(&g, 2);
    EXPECT_EQ(info.knob_width, c.knob_width);
    EXPECT_EQ(info.knob_height, c.knob_height);
    EXPECT_EQ(info.knob_x, c.knob_x);
    EXPECT_EQ(info.knob_y, c.knob_y);
}

constexpr uint16_t PLAIN = SLIDER_PLAIN_KNOB, H = SLIDER_HORIZONTAL, V = SLIDER_VERTICAL;

const KnobCase kKnobCases[] = {
    {"a plain knob of half the body at the start", 102, 12, PLAIN | H, 0, 0, 32768, 0, 0, 50, 10, 0, 0},
    {"a plain knob at the far end", 102, 12, PLAIN | H, 65535, 0, 32768, 0, 0, 50, 10, 50, 0},
    {"a plain knob half way", 102, 12, PLAIN | H, 32768, 0, 32768, 0, 0, 50, 10, 25, 0},
    {"a plain vertical knob", 20, 62, PLAIN | V, 65535, 65535, 0, 13107, 0, 18, 12, 0, 48},
    {"a plain knob on both axes", 42, 42, PLAIN | H | V, 65535, 0, 32768, 65535, 0, 20, 40, 20, 0},
    {"an image knob takes its size from the image and its offset", 20, 60, V, 0, 65535, 0, 32767, 1, 19, 31,
     0, 27},
    {"a border knob is 20 by 20", 100, 60, H | V, 65535, 65535, 0, 0, 2, 20, 20, 78, 38},
    {"a knob without a render is placed as 2 by 2 and keeps the stored size", 20, 60, V, 0, 65535, 0, 0, 0, 7,
     7, 0, 56},
};
INSTANTIATE_TEST_SUITE_P(Sliders, SliderKnob, testing::ValuesIn(kKnobCases), CaseName());

struct PressCase {
    const char* what;
    uint16_t hpot;
    int32_t x;
    uint16_t hpot_after;
    bool held;
};

class SliderPress : public UiTest, public testing::WithParamInterface<PressCase> {
  protected:
    // A plain horizontal slider at (100, 50), 102 x 12, with a knob of half its body.
    SliderInfo info_ = {PLAIN | H, 0, 0, 32768, 0, 0, 0, 0, 0, 0, 0};
    Gadget g_ = {nullptr, 100,     50,      102,    12, GADGET_HIGHLIGHT_BOX, 0, GADGET_SLIDER,
                 nullptr, nullptr, nullptr, &info_, 31};
};

TEST_P(SliderPress, PagesBesideTheKnobAndGrabsIt) {
    const PressCase& c = GetParam();
    info_.hpot = c.hpot;
    gadget_add(&g_);
    gadgets_refresh();
    left_down(c.x, 55);
    int32_t code = 0;
    int32_t event_class = 0;
    EXPECT_EQ(gadget_poll_event(&code, &event_class), 1);
    EXPECT_EQ(code, 31);
    EXPECT_EQ(info_.hpot, c.hpot_after);
    EXPECT_EQ((info_.flags & SLIDER_KNOB_HELD) != 0, c.held);
    EXPECT_EQ(g_.flags & GADGET_SELECTED, 0) << "a slider's highlight is not touched";
    // The knob is drawn where the new pot puts it, and nowhere else.
    int32_t kx = 50 * c.hpot_after / 65535;
    EXPECT_EQ(pixel(100 + kx + 1, 51), 3);
    EXPECT_EQ(pixel(100 + kx + 50, 60), 3);
    EXPECT_EQ(count_colour(101, 51, 200, 51, 3), 50);
}

const PressCase kPressCases[] = {
    {"right of the knob pages forward", 0, 160, 32768, false},
    {"just right of the knob pages forward", 0, 151, 32768, false},
    {"on the knob's last column grabs it", 0, 150, 0, true},
    {"a page forward stops at the end", 40000, 201, 65535, false},
    {"left of the knob pages back", 65535, 120, 32767, false},
    {"a page back stops at 0", 20000, 101, 0, false},
    {"the box's first column is not left of a knob at 0", 0, 100, 0, false},
    {"on the knob grabs it", 0, 120, 0, true},
    {"on the knob's first column grabs it", 65535, 151, 65535, true},
};
INSTANTIATE_TEST_SUITE_P(Sliders, SliderPress, testing::ValuesIn(kPressCases), CaseName());

class SliderDrag : public UiTest {};

TEST_F(SliderDrag, AGrabbedKnobFollowsThePointerInsideTheBox) {
    SliderInfo info = {PLAIN | H, 0, 0, 32768, 0, 0, 0, 0, 0, 0, 0};
    Gadget g = {nullptr, 100,     50,      102,   12, GADGET_HIGHLIGHT_BOX, 0, GADGET_SLIDER,
                nullptr, nullptr, nullptr, &info, 31};
    gadget_add(&g);
    gadgets_refresh();
    int32_t code = 0;
    int32_t event_class = 0;
    left_down(120, 55);  // 19 pixels into the knob
    gadget_poll_event(&code, &event_class);
    EXPECT_EQ(g_slider_grab.x, 19);
    EXPECT_EQ(g_slider_grab.y, 4);
    struct {
        int32_t x;
        uint16_t hpot;
    } const moves[] = {{145, 32767}, {250, 32767}, {199, 65535}, {110, 0}, {125, 6553}};
    for (auto m : moves) {
        move(m.x, 55);
        EXPECT_EQ(gadget_poll_event(&code, &event_class), 0);
        EXPECT_EQ(info.hpot, m.hpot) << "pointer at " << m.x;
    }
    left_up();
    EXPECT_EQ(gadget_poll_event(&code, &event_class), 1);
    EXPECT_EQ(code, 31);
    EXPECT_EQ(info.flags & SLIDER_KNOB_HELD, 0);
    move(180, 55);
    gadget_poll_event(&code, &event_class);
    EXPECT_EQ(info.hpot, 6553) << "a released knob stays";
}

TEST_F(SliderDrag, AReleaseOutsideTheBoxKeepsTheKnobHeld) {
    SliderInfo info = {PLAIN | H, 0, 0, 32768, 0, 0, 0, 0, 0, 0, 0};
    Gadget g = {nullptr, 100,     50,      102,   12, GADGET_HIGHLIGHT_BOX, 0, GADGET_SLIDER,
                nullptr, nullptr, nullptr, &info, 31};
    gadget_add(&g);
    gadgets_refresh();
    int32_t code = 0;
    int32_t event_class = 0;
    left_down(120, 55);
    gadget_poll_event(&code, &event_class);
    move(120, 100);
    left_up();
    EXPECT_EQ(gadget_poll_event(&code, &event_class), 0);
    EXPECT_NE(info.flags & SLIDER_KNOB_HELD, 0);
    EXPECT_EQ(g_pressed_gadget, nullptr);
}

}  // namespace
