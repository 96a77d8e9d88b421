#include "tests/game/screen_watch.h"

#include <cstring>

#include "engine/frame.h"
#include "ui/gadget.h"
#include "ui/requester.h"

bool message_box_up() { return gadget_listed(&g_message_ok_gadget); }
bool ask_box_up() { return gadget_listed(&g_ask_yes_gadget); }

std::vector<uint8_t> frame_copy() { return {g_screen_buffer, g_screen_buffer + SCREEN_BYTES}; }

int32_t message_box_differences(const std::vector<uint8_t>& under, const std::vector<uint8_t>& shown,
                                const char* const* lines) {
    std::vector<uint8_t> kept = frame_copy();
    Gadget* list = g_gadget_list;
    g_gadget_list = nullptr;
    std::memcpy(g_screen_buffer, under.data(), SCREEN_BYTES);
    message_box_open(lines, 0);
    int32_t differ = 0;
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) differ += g_screen_buffer[i] != shown[static_cast<size_t>(i)] ? 1 : 0;
    message_box_close();
    g_gadget_list = list;
    std::memcpy(g_screen_buffer, kept.data(), SCREEN_BYTES);
    return differ;
}
