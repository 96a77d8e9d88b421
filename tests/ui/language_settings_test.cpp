// The eleven builds' settings as the design table gives them, every build's base keys through the
// input poll's mapping, and the two pieces the text check stands on: the code-page encoder and the
// printf conversion reader.
#include <gtest/gtest.h>

#include <cstring>

#include "lang/encode.h"
#include "lang/format_conversions.h"
#include "lang/lang.h"
#include "tests/ui/ui_fixture.h"
#include "ui/input_poll.h"

namespace {

struct SettingsRow {
    const char* code;
    const char* extra_yes;
    const char* extra_no;
    const char* charter_keys;
    char sixth_alt;
    int32_t cancel_width;
    int32_t home_port;  // 2 Rotterdam, 3 Hamburg, 4 Marseilles, 11 San Francisco
    uint32_t charset;
};

const SettingsRow kTable[] = {
    {"en", "", "", "qwertyuiop", 'z', 50, 11, 0}, {"de", "", "", "qwertyuiop", 'z', 50, 3, 0},
    {"nl", "a", "t", "qwertyuiop", 'z', 50, 2, 0}, {"fr", "", "", "azertyuiop", 0, 60, 4, 0},
    {"it", "", "", "qwertyuiop", 0, 80, 4, 0},    {"es", "", "", "qwertyuiop", 0, 60, 4, 0},
    {"pt", "", "", "qwertyuiop", 0, 60, 4, 1},    {"da", "", "", "qwertyuiop", 'z', 60, 3, 2},
    {"no", "", "", "qwertyuiop", 0, 60, 4, 0},    {"sv", "", "", "qwertyuiop", 'z', 60, 3, 0},
    {"fi", "kv", "etp", "qwertyuiop", 'z', 60, 3, 0},
};

const LanguageSettings* settings_of(const char* code) {
    for (const LanguageSettings& s : g_language_settings)
        if (std::strcmp(s.code, code) == 0) return &s;
    return nullptr;
}

TEST(LanguageSettings, EveryBuildHasTheRowOfTheDesignTable) {
    ASSERT_EQ(std::size(kTable), std::size(g_language_settings));
    for (const SettingsRow& row : kTable) {
        const LanguageSettings* s = settings_of(row.code);
        ASSERT_NE(s, nullptr) << row.code;
        EXPECT_STREQ(s->extra_yes, row.extra_yes) << row.code;
        EXPECT_STREQ(s->extra_no, row.extra_no) << row.code;
        EXPECT_STREQ(s->charter_keys, row.charter_keys) << row.code;
        EXPECT_EQ(s->charter_sixth_alt, row.sixth_alt) << row.code;
        EXPECT_EQ(s->charter_cancel_width, row.cancel_width) << row.code;
        EXPECT_EQ(s->default_home_port, row.home_port) << row.code;
        EXPECT_EQ(s->charset_mode, row.charset) << row.code;
    }
}

TEST_F(UiTest, EveryBuildTakesTheBaseYesAndNoKeys) {
    struct Key {
        uint8_t key;
        int32_t command;
    };
    const Key keys[] = {{13, 1}, {'o', 1}, {'j', 1}, {'s', 1}, {'y', 1}, {'c', 300}, {'n', 300}, {27, 300}};
    for (const LanguageSettings& s : g_language_settings) {
        for (const Key& k : keys) {
            input_poll_map_key(k.key, s);
            EXPECT_EQ(g_command, k.command) << s.code << " key " << static_cast<int>(k.key);
        }
        // No build's extra letters overlap the other meaning's base letters.
        for (const char* p = s.extra_yes; *p != '\0'; ++p) EXPECT_EQ(std::strchr("cn", *p), nullptr) << s.code;
        for (const char* p = s.extra_no; *p != '\0'; ++p) EXPECT_EQ(std::strchr("ojsy", *p), nullptr) << s.code;
    }
}

struct EncodeCase {
    uint32_t charset;
    uint32_t ch;
    int32_t byte;
};

TEST(LanguageEncoding, LettersGoToTheirCodePageBytes) {
    const EncodeCase cases[] = {
        {0, 'A', 'A'},    {0, 0xE4, 132},   {0, 0xDF, 225},  {0, 0xE9, 130},  // a-umlaut, sharp s, e-acute
        {0, 0xF8, 237},   {0, 0xD8, -1},    {0, 0x20AC, -1},                  // o/O with stroke, euro
        {1, 0xE3, 132},   {1, 0xE4, -1},    {1, 0xC1, 134},                   // Portuguese a-tilde; A-acute
        {2, 0xF8, 155},   {2, 0xD8, 157},   {2, 0xE5, 134},                   // Nordic
    };
    for (const EncodeCase& c : cases)
        EXPECT_EQ(lang_encode_char(c.charset, c.ch), c.byte) << c.charset << " U+" << std::hex << c.ch;
    char out[16];
    EXPECT_EQ(lang_encode(0, "Pir\xC3\xA4us", out, sizeof out), 6);
    EXPECT_STREQ(out, "Pir\x84us");
    EXPECT_EQ(lang_encode(0, "5 \xE2\x82\xAC", out, sizeof out), -1) << "no euro sign in code page 437";
    EXPECT_STREQ(out, "5 ?");
    EXPECT_EQ(lang_encode(0, "Rotterdam", out, 5), -1) << "cut to fit";
    EXPECT_STREQ(out, "Rott");
}

TEST(LanguageFormats, TheConversionsOfATextInOrder) {
    struct Case {
        const char* text;
        int32_t count;
        const char* first;
    };
    const Case cases[] = {
        {"%s %3.3s: %d ship %s$:%s%ld.%ld", 7, "%s"},
        {"Ship Condition: %ld%%", 1, "%ld"},
        {"100%", -1, ""},           // a bare % at the end
        {"100% of a vessel ?", 1, "% o"},  // why such texts are marked as never formatted
        {"%n", -1, ""},
        {"%*d", -1, ""},
        {"no conversion %%", 0, ""},
    };
    for (const Case& c : cases) {
        FormatConversion conv[FORMAT_MAX_CONVERSIONS];
        ASSERT_EQ(format_conversions(c.text, conv), c.count) << c.text;
        if (c.count > 0) {
            EXPECT_STREQ(conv[0].written, c.first) << c.text;
        }
    }
}

}  // namespace
