#include "tests/harness/draw_trace.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "engine/random.h"
#include "tests/harness/harness.h"
#include "world/records.h"

namespace {

std::vector<TracedDraw>* s_trace = nullptr;

void record(int32_t lo, int32_t hi, int32_t result) {
    s_trace->push_back({g_day, lo, hi, result});
}

std::string describe(size_t index, const TracedDraw& d) {
    char text[112];
    std::snprintf(text, sizeof text, "draw %zu (day %d): random_range(%d, %d) = %d", index + 1,
                  static_cast<int>(d.day), static_cast<int>(d.lo), static_cast<int>(d.hi),
                  static_cast<int>(d.result));
    return text;
}

}  // namespace

void draw_trace_start(std::vector<TracedDraw>* trace) {
    trace->clear();
    s_trace = trace;
    g_random_trace = record;
}

void draw_trace_stop() {
    g_random_trace = nullptr;
    s_trace = nullptr;
}

std::vector<TracedDraw> draw_trace_of_day(const std::vector<TracedDraw>& trace, int32_t day) {
    std::vector<TracedDraw> of_day;
    for (const TracedDraw& d : trace)
        if (d.day == day) of_day.push_back(d);
    return of_day;
}

std::string draw_trace_text(const std::vector<TracedDraw>& trace) {
    std::string text;
    for (const TracedDraw& d : trace)
        text += std::to_string(d.day) + " " + std::to_string(d.lo) + " " + std::to_string(d.hi) + " " +
                std::to_string(d.result) + "\n";
    return text;
}

std::string draw_trace_compare(const std::vector<TracedDraw>& trace, const std::string& golden) {
    const std::string path = std::string(MARIVANE_SOURCE_DIR) + "/tests/" + golden;
    const char* update = std::getenv("MARIVANE_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        harness_write_file(path, draw_trace_text(trace));
        return "";
    }
    std::istringstream in(harness_read_file(path));
    std::vector<TracedDraw> want;
    TracedDraw d{};
    while (in >> d.day >> d.lo >> d.hi >> d.result) want.push_back(d);
    if (want.empty()) return "the golden trace " + path + " is missing or empty";
    for (size_t i = 0; i < want.size() && i < trace.size(); ++i) {
        const TracedDraw& w = want[i];
        const TracedDraw& g = trace[i];
        if (w.day != g.day || w.lo != g.lo || w.hi != g.hi || w.result != g.result)
            return "first difference: expected " + describe(i, w) + ", got " + describe(i, g);
    }
    if (trace.size() < want.size())
        return "the game stopped drawing: missing from " + describe(trace.size(), want[trace.size()]);
    if (trace.size() > want.size())
        return "extra draws from " + describe(want.size(), trace[want.size()]);
    return "";
}
