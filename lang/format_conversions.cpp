#include "lang/format_conversions.h"

#include <cstring>

namespace {

bool in(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

}  // namespace

int32_t format_conversions(const char* text, FormatConversion* out) {
    int32_t count = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        const char* start = p++;
        while (in(*p, "-+ #0")) ++p;
        while (*p >= '0' && *p <= '9') ++p;
        if (*p == '.') {
            ++p;
            while (*p >= '0' && *p <= '9') ++p;
        }
        while (in(*p, "hlLqjzt")) ++p;
        if (!in(*p, "diouxXeEfFgGaAcsp")) return -1;  // also "%n", "*" and a "%" at the end
        if (count == FORMAT_MAX_CONVERSIONS) return -1;
        uint32_t len = static_cast<uint32_t>(p - start) + 1;
        if (len >= sizeof out[count].written) return -1;
        std::memcpy(out[count].written, start, len);
        out[count].written[len] = '\0';
        out[count].conversion = *p;
        ++count;
    }
    return count;
}
