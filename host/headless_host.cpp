#include "host/headless_host.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/input.h"
#include "host/platform.h"

namespace {

struct Event {
    uint32_t at;
    HeadlessEventKind kind;
    int32_t a, b;
};

uint32_t g_virtual_ms = 0;
std::vector<Event> g_events;  // sorted by time, stable for equal times
size_t g_next_event = 0;
bool g_sound_device = true;
HeadlessVoice g_voice{};
HeadlessSleepHook g_sleep_hook = nullptr;
void* g_sleep_hook_context = nullptr;
std::string g_start_failures;

void deliver(const Event& e) {
    switch (e.kind) {
        case HEADLESS_MOVE: mouse_set_position(static_cast<uint32_t>(e.a), static_cast<uint32_t>(e.b)); break;
        case HEADLESS_LEFT_DOWN: mouse_left_down(static_cast<uint32_t>(e.a), static_cast<uint32_t>(e.b)); break;
        case HEADLESS_LEFT_UP: mouse_left_up(); break;
        case HEADLESS_RIGHT_DOWN: mouse_right_down(static_cast<uint32_t>(e.a), static_cast<uint32_t>(e.b)); break;
        case HEADLESS_RIGHT_UP: mouse_right_up(); break;
        case HEADLESS_KEY: key_slot_store(static_cast<uint32_t>(e.a)); break;
    }
}

uint32_t voice_end() {
    uint64_t plays = g_voice.loops == 0 ? 1 : g_voice.loops;
    uint64_t ms = (static_cast<uint64_t>(g_voice.length) * plays * 1000 + 8362) / 8363;
    uint64_t end = g_voice.started_at + ms;
    return end > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(end);
}

}  // namespace

void headless_reset() {
    g_virtual_ms = 0;
    g_events.clear();
    g_next_event = 0;
    g_sound_device = true;
    g_voice = HeadlessVoice{};
    g_sleep_hook = nullptr;
    g_sleep_hook_context = nullptr;
    g_start_failures.clear();
}

void headless_set_sleep_hook(HeadlessSleepHook hook, void* context) {
    g_sleep_hook = hook;
    g_sleep_hook_context = context;
}

void headless_script(uint32_t at_ms, HeadlessEventKind kind, int32_t a, int32_t b) {
    Event e{at_ms, kind, a, b};
    auto pos = g_events.end();
    while (pos != g_events.begin() + static_cast<std::ptrdiff_t>(g_next_event) && (pos - 1)->at > at_ms) --pos;
    g_events.insert(pos, e);
}

void headless_script_click(uint32_t at_ms, int32_t x, int32_t y) {
    headless_script(at_ms, HEADLESS_LEFT_DOWN, x, y);
    headless_script(at_ms + 60, HEADLESS_LEFT_UP);
}

void headless_script_text(uint32_t at_ms, const char* text) {
    for (const char* p = text; *p != '\0'; ++p, at_ms += 100)
        headless_script(at_ms, HEADLESS_KEY, static_cast<unsigned char>(*p));
}

uint32_t headless_pending_events() { return static_cast<uint32_t>(g_events.size() - g_next_event); }

void headless_deliver_due() {
    while (g_next_event < g_events.size() && g_events[g_next_event].at <= g_virtual_ms) deliver(g_events[g_next_event++]);
}

uint32_t headless_now() { return g_virtual_ms; }

void headless_advance(uint32_t ms) {
    g_virtual_ms += ms;
    headless_deliver_due();
}

void headless_set_sound_device(bool present) { g_sound_device = present; }

HeadlessVoice headless_voice() {
    HeadlessVoice v = g_voice;
    v.playing = v.playing && g_virtual_ms < voice_end();
    return v;
}

// ---- The platform seam --------------------------------------------------------------------------

uint32_t platform_clock_ms() { return g_virtual_ms; }

namespace {

void after_sleep() {
    if (g_sleep_hook == nullptr) return;
    g_sleep_hook(g_sleep_hook_context);
    headless_deliver_due();  // what the hook scripted for now
}

}  // namespace

void platform_sleep_ms(uint32_t ms) {
    headless_advance(ms);
    after_sleep();
}

void platform_sleep_until(uint32_t deadline_ms) {
    if (deadline_ms > g_virtual_ms) headless_advance(deadline_ms - g_virtual_ms);
    after_sleep();
}

void platform_exit(int32_t status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

void platform_report_start_failure(const char* line) {
    g_start_failures += line;
    g_start_failures += '\n';
}

const char* headless_start_failures() { return g_start_failures.c_str(); }

int32_t platform_voice_open() { return g_sound_device ? 1 : 0; }
void platform_voice_close() { g_voice.playing = false; }

void platform_voice_start(const uint8_t* samples, uint32_t length, uint32_t loops) {
    uint32_t starts = g_voice.starts + 1;
    g_voice = HeadlessVoice{samples, length, loops, g_virtual_ms, starts, true};
}

void platform_voice_reset() { g_voice.playing = false; }

int32_t platform_voice_done() { return headless_voice().playing ? 0 : 1; }
