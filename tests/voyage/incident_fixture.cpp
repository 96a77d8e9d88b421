#include "tests/voyage/incident_fixture.h"

#include "engine/input.h"
#include "host/headless_host.h"
#include "tests/harness/give_up.h"

namespace {

constexpr uint32_t GIVE_UP_MS = 20u * 60u * 1000u;
constexpr uint32_t REACTION_MS = 150;

GiveUpWatch watchdog(GIVE_UP_MS, "a screen waited for an answer the reader could not give");

const char* kind_of(Modal m) {
    switch (m) {
    case Modal::letter: return "letter";
    case Modal::question: return "ask";
    case Modal::message_box: return "box";
    case Modal::buttons: return "ok";
    case Modal::none: break;
    }
    return nullptr;
}

}  // namespace

void IncidentTest::on_sleep(void* context) {
    auto* r = static_cast<Reader*>(context);
    uint32_t now = headless_now();
    watchdog.check(now);
    if (g_key_slot.load() != 0) return;
    if (now - r->last_at < REACTION_MS) return;
    const char* kind = kind_of(modal_up());
    if (kind == nullptr) return;
    r->kinds.emplace_back(kind);
    key_slot_store(13);
    r->last_at = now;
}

void IncidentTest::SetUp() {
    VoyageTest::SetUp();
    watchdog.reset();
    headless_set_sleep_hook(&IncidentTest::on_sleep, &reader_);
}
