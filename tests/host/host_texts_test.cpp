// One version everywhere, from the build: the window title, the window's About box and the game's
// own About box; and no web address in either box.
#include "host/host_texts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "lang/lang.h"

namespace {

TEST(HostTexts, OneVersionFromTheBuildAndNoAddress) {
    const std::string version = MARIVANE_VERSION;
    EXPECT_EQ(std::string(g_window_title), "Marivane " + version);
    EXPECT_EQ(std::string(g_about_lines[0]), "Marivane version " + version);
    char product[64];
    std::snprintf(product, sizeof product, lang_text(TXT_ABOUT_PRODUCT), MARIVANE_VERSION);
    EXPECT_EQ(std::string(product), "Marivane " + version) << "the game's own About box";
    std::string about;
    for (const char* line : g_about_lines) about += std::string(line) + "\n";
    for (TextId id : {TXT_ABOUT_CREDITS_1, TXT_ABOUT_CREDITS_2}) about += std::string(lang_text(id)) + "\n";
    for (const char* address : {"www", "http", ".com", ".org", ".example"})
        EXPECT_EQ(about.find(address), std::string::npos) << address << " in\n" << about;
    EXPECT_STREQ(g_about_title, "About Marivane");
    EXPECT_STREQ(g_instructions_title, "Instructions");
}

}  // namespace
