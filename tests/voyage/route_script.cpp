#include "tests/voyage/route_script.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/input.h"
#include "host/headless_host.h"
#include "voyage/manoeuvre.h"

std::string route_script_text(const std::vector<RouteInput>& ticks) {
    std::string out;
    char word[64];
    for (size_t i = 0; i < ticks.size();) {
        size_t n = 1;
        while (i + n < ticks.size() && ticks[i + n] == ticks[i]) ++n;
        const RouteInput& t = ticks[i];
        std::snprintf(word, sizeof word, "%s%zu*%d,%d,%d,%u", out.empty() ? "" : " ", n, t.x, t.y, t.button, t.key);
        out += word;
        i += n;
    }
    return out;
}

bool route_script_parse(const std::string& text, std::vector<RouteInput>* ticks) {
    std::istringstream words(text);
    std::string w;
    while (words >> w) {
        unsigned long n = 0;
        RouteInput t{};
        char tail = 0;
        if (std::sscanf(w.c_str(), "%lu*%d,%d,%d,%u%c", &n, &t.x, &t.y, &t.button, &t.key, &tail) != 5 || n == 0 ||
            n > 100000)
            return false;
        ticks->insert(ticks->end(), n, t);
    }
    return true;
}

void route_input_apply(const RouteInput& in) {
    if (in.button != 0) {
        mouse_left_down(static_cast<uint32_t>(in.x), static_cast<uint32_t>(in.y));
    } else {
        mouse_left_up();
        mouse_set_position(static_cast<uint32_t>(in.x), static_cast<uint32_t>(in.y));
    }
    if (in.key != 0) key_slot_store(in.key);
}

namespace {

struct Replay {
    const std::vector<RouteInput>* ticks;
    size_t next;
    uint32_t last_wake;
};

// The game waits 16 ms only for the tick in the ship's drawing; its reads of the mouse and of the
// key slot wait 30 ms each. A wake 16 ms after the last one is therefore a tick's, before its reads.
void on_wake(void* context) {
    auto* r = static_cast<Replay*>(context);
    uint32_t now = headless_now();
    if (now - r->last_wake == 16) {
        if (r->next < r->ticks->size()) {
            route_input_apply((*r->ticks)[r->next]);
        } else {
            mouse_left_up();
        }
        ++r->next;
    }
    r->last_wake = now;
}

}  // namespace

int32_t route_replay(int32_t mode, int32_t model, int32_t row, int32_t start, int32_t target, int32_t tick_limit,
                     const std::vector<RouteInput>& ticks) {
    key_slot_take();
    mouse_left_up();
    Replay r{&ticks, 0, headless_now()};
    headless_set_sleep_hook(on_wake, &r);
    int32_t result = manoeuvre_run(mode, model, row, start, target, tick_limit, nullptr);
    headless_set_sleep_hook(nullptr, nullptr);
    mouse_left_up();
    key_slot_take();
    return result;
}

std::string route_record_line(const RouteRecord& r) {
    char head[96];
    std::snprintf(head, sizeof head, "%d %d %d %d ", r.row + 1, r.start, r.target, r.model);
    if (!r.sailed) return head + std::string("unsailed ") + r.why;
    return head + std::string("sailed ") + r.by + " " + std::to_string(r.ticks) + " " + route_script_text(r.script);
}

bool route_file_parse(const std::string& text, std::vector<RouteRecord>* records, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        RouteRecord r{};
        std::string kind;
        int32_t port = 0;
        in >> port >> r.start >> r.target >> r.model >> kind;
        r.row = port - 1;
        bool ok = !in.fail() && r.row >= 0 && r.start >= 0 && r.start < 4 && r.target >= 0 && r.target < 4 &&
                  r.model >= 1 && r.model <= 7;
        if (ok && kind == "sailed") {
            r.sailed = true;
            in >> r.by >> r.ticks;
            std::string rest;
            std::getline(in, rest);
            ok = !in.fail() && route_script_parse(rest, &r.script) && static_cast<int32_t>(r.script.size()) == r.ticks;
        } else if (ok && kind == "unsailed") {
            std::getline(in, r.why);
            if (!r.why.empty() && r.why[0] == ' ') r.why.erase(0, 1);
        } else {
            ok = false;
        }
        if (!ok) {
            *error = line;
            return false;
        }
        records->push_back(r);
    }
    return true;
}

std::string routes_path() { return std::string(MARIVANE_SOURCE_DIR) + "/tests/voyage/harbour_routes.txt"; }

std::string read_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
