#include "tests/voyage/incident_fixture.h"

#include "engine/input.h"
#include "host/headless_host.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"

namespace {

constexpr uint32_t GIVE_UP_MS = 20u * 60u * 1000u;
constexpr uint32_t REACTION_MS = 150;

bool gadget_up(const Gadget* gadget) {
    for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next)
        if (g == gadget) return true;
    return false;
}

const char* modal_up() {
    if (gadget_up(&g_letter_ok_gadget)) return "letter";
    if (gadget_up(&g_ask_yes_gadget)) return "ask";
    if (gadget_up(&g_message_ok_gadget)) return "box";
    if (g_screen_button_last >= 0) return "ok";
    return nullptr;
}

}  // namespace

void IncidentTest::on_sleep(void* context) {
    auto* r = static_cast<Reader*>(context);
    uint32_t now = headless_now();
    if (now > GIVE_UP_MS) {
        r->hung = true;
        g_quit = 1;
        return;
    }
    if (g_key_slot.load() != 0) return;
    if (now - r->last_at < REACTION_MS) return;
    const char* kind = modal_up();
    if (kind == nullptr) return;
    r->kinds.emplace_back(kind);
    key_slot_store(13);
    r->last_at = now;
}

void IncidentTest::SetUp() {
    VoyageTest::SetUp();
    headless_set_sleep_hook(&IncidentTest::on_sleep, &reader_);
}

void IncidentTest::TearDown() {
    EXPECT_FALSE(reader_.hung) << "a screen waited for an answer the reader could not give";
    VoyageTest::TearDown();
}
