#include "host/view_geometry.h"

#include <gtest/gtest.h>

#include "host/host_texts.h"
#include "host/menu_bar.h"

namespace {

TEST(ViewGeometry, FrameFillsTheAreaBelowTheStrip) {
    struct Case {
        ClientArea client;
        ViewRect want;
    };
    const Case cases[] = {
        {{640, 419}, {0, 19, 640, 400}},
        {{960, 319}, {0, 19, 960, 300}},
        {{100, 19}, {0, 19, 100, 0}},
        {{0, 0}, {0, 19, 0, -19}},
    };
    for (const Case& c : cases) {
        ViewRect r = frame_area(c.client);
        EXPECT_EQ(r.x, c.want.x);
        EXPECT_EQ(r.y, c.want.y);
        EXPECT_EQ(r.w, c.want.w) << c.client.width << "x" << c.client.height;
        EXPECT_EQ(r.h, c.want.h) << c.client.width << "x" << c.client.height;
    }
}

TEST(ViewGeometry, PointerScaling) {
    struct Case {
        ClientArea client;
        int32_t cx, cy;
        int32_t ok, fx, fy;
    };
    const Case cases[] = {
        {{640, 419}, 0, 19, 1, 0, 0},
        {{640, 419}, 639, 418, 1, 319, 199},
        {{640, 419}, 321, 220, 1, 160, 100},
        {{700, 569}, 350, 294, 1, 160, 100},  // non-uniform: 2.1875 x 2.75
        {{700, 569}, 699, 568, 1, 319, 199},
        {{700, 569}, 70, 74, 1, 32, 20},
        {{320, 219}, 5, 24, 1, 5, 5},         // one to one
        {{160, 119}, 159, 118, 1, 318, 198},  // shrunk to half
        {{640, 419}, 100, 18, 0, 0, 0},       // on the menu strip
        {{640, 419}, 640, 100, 0, 0, 0},      // outside (reported while a button is held)
        {{640, 419}, -1, 100, 0, 0, 0},
        {{640, 419}, 100, 419, 0, 0, 0},
        {{0, 0}, 10, 30, 0, 0, 0},     // size not known yet, or minimised
        {{640, 19}, 10, 19, 0, 0, 0},  // no room below the strip
    };
    for (const Case& c : cases) {
        int32_t fx = -7, fy = -7;
        int32_t ok = scale_pointer(c.client, c.cx, c.cy, &fx, &fy);
        EXPECT_EQ(ok, c.ok) << c.client.width << "x" << c.client.height << " at " << c.cx << "," << c.cy;
        if (ok == 1 && c.ok == 1) {
            EXPECT_EQ(fx, c.fx) << c.client.width << "x" << c.client.height << " at " << c.cx << "," << c.cy;
            EXPECT_EQ(fy, c.fy) << c.client.width << "x" << c.client.height << " at " << c.cx << "," << c.cy;
        }
        if (ok == 0) {
            EXPECT_EQ(fx, -7);  // a dropped point leaves the outputs alone
        }
    }
}

// The window menu: File > Quit, Help > Instructions..., About..., by pointer and by keyboard.
TEST(MenuBar, PointerAndKeys) {
    MenuLayout m = menu_layout();
    const MenuTitleLayout& file = m.titles[0];
    const MenuTitleLayout& help = m.titles[1];
    ASSERT_LT(file.x1, help.x0 + 1);
    auto row_y = [](int32_t row) { return MENU_STRIP_HEIGHT + 2 + row * MENU_ROW_HEIGHT + 5; };
    MenuState s{-1, -1};

    // Press on Help opens it; moving onto its second row and releasing chooses About.
    MenuResult r = menu_press(&m, &s, help.x0 + 3, 5);
    EXPECT_TRUE(r.taken);
    EXPECT_EQ(s.open, 1);
    r = menu_motion(&m, &s, help.drop_x + 5, row_y(1));
    EXPECT_EQ(s.highlight, 1);
    r = menu_release(&m, &s, help.drop_x + 5, row_y(1));
    EXPECT_EQ(r.command, MENU_ABOUT);
    EXPECT_EQ(s.open, -1);

    // Open File, slide over to Help, pick Instructions.
    menu_press(&m, &s, file.x0 + 2, 5);
    menu_release(&m, &s, file.x0 + 2, 5);
    EXPECT_EQ(s.open, 0);  // released on the title: the list stays down
    menu_motion(&m, &s, help.x0 + 2, 5);
    EXPECT_EQ(s.open, 1);
    r = menu_press(&m, &s, help.drop_x + 5, row_y(0));
    EXPECT_EQ(r.command, 0);
    r = menu_release(&m, &s, help.drop_x + 5, row_y(0));
    EXPECT_EQ(r.command, MENU_INSTRUCTIONS);

    // A press in the frame while a list is down only closes it; with none down the game gets it.
    menu_press(&m, &s, file.x0 + 2, 5);
    r = menu_press(&m, &s, 300, 200);
    EXPECT_TRUE(r.taken);
    EXPECT_EQ(s.open, -1);
    EXPECT_FALSE(menu_press(&m, &s, 300, 200).taken);
    EXPECT_FALSE(menu_motion(&m, &s, 300, 200).taken);

    // Keyboard: Alt+F opens File with Quit lit; Enter chooses it. Escape closes; letters pick.
    menu_open(&s, 0);
    EXPECT_EQ(menu_key(&m, &s, HOST_KEY_RETURN, 0).command, MENU_QUIT);
    menu_open(&s, 1);
    EXPECT_EQ(menu_key(&m, &s, HOST_KEY_DOWN, 0).command, 0);
    EXPECT_EQ(s.highlight, 1);
    EXPECT_EQ(menu_key(&m, &s, HOST_KEY_RETURN, 0).command, MENU_ABOUT);
    menu_open(&s, 1);
    menu_key(&m, &s, HOST_KEY_RIGHT, 0);
    EXPECT_EQ(s.open, 0);
    menu_key(&m, &s, HOST_KEY_ESCAPE, 0);
    EXPECT_EQ(s.open, -1);
    menu_open(&s, 1);
    EXPECT_EQ(menu_key(&m, &s, HOST_KEY_LETTER, 'i').command, MENU_INSTRUCTIONS);
}

}  // namespace
