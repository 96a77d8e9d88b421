// The default home port a new shipowner gets comes from the build's language settings.
#include <gtest/gtest.h>

#include <cstring>

#include "game/setup.h"
#include "game/state_reset.h"
#include "lang/lang.h"
#include "world/ports.h"
#include "world/records.h"

namespace {

struct HomePortCase {
    const char* code;
    int8_t port;
    const char* port_name;
};

// Rotterdam for the Dutch build, Hamburg for the German and Nordic ones, San Francisco for the
// English one, Marseilles for the rest.
const HomePortCase kCases[] = {
    {"en", 11, "San Francisco"}, {"de", 3, "Hamburg"},   {"fr", 4, "Marseilles"},
    {"it", 4, "Marseilles"},     {"es", 4, "Marseilles"}, {"pt", 4, "Marseilles"},
    {"nl", 2, "Rotterdam"},      {"da", 3, "Hamburg"},    {"no", 4, "Marseilles"},
    {"sv", 3, "Hamburg"},        {"fi", 3, "Hamburg"},
};

TEST(SetupHomePort, EveryBuildOffersItsOwnPortFirst) {
    ASSERT_EQ(std::size(kCases), std::size(g_language_settings));
    for (const HomePortCase& c : kCases) {
        const LanguageSettings* row = nullptr;
        for (const LanguageSettings& s : g_language_settings)
            if (std::strcmp(s.code, c.code) == 0) row = &s;
        ASSERT_NE(row, nullptr) << c.code;
        EXPECT_EQ(setup_default_home_port(*row), c.port) << c.code;
        // The English table names the port, so a wrong row shows as a wrong city.
        EXPECT_STREQ(port_name(setup_default_home_port(*row)), c.port_name) << c.code;
    }
}

TEST(SetupHomePort, NewShipownerStartsAtTheBuildsPort) {
    all_state_reset();
    setup_init_shipowner(1, "Ann", "Ann Lines");
    EXPECT_EQ(g_shipowners[1].home_port, setup_default_home_port(lang_settings()));
    EXPECT_EQ(g_shipowners[1].home_port, 11);  // this test program links the English build
    all_state_reset();
}

}  // namespace
