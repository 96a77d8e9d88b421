// Readable names for table-driven tests: a case's `what` text becomes its name in the test list
// ("ends inside the glyph block" -> "ends_inside_the_glyph_block").
#pragma once

#include <gtest/gtest.h>

#include <string>

inline std::string harness_identifier(const char* text) {
    std::string name;
    for (const char* p = text; *p != '\0'; ++p) {
        char c = *p;
        bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (word)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? "case" : name;
}

// Pass as the last argument of INSTANTIATE_TEST_SUITE_P for cases with a `what` member; the
// index is appended so that equal texts stay distinct.
struct CaseName {
    template <class P>
    std::string operator()(const testing::TestParamInfo<P>& info) const {
        return harness_identifier(info.param.what) + "_" + std::to_string(info.index);
    }
};
