// The Swedish texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/sv/engine.inc"
#include "lang/sv/ui.inc"
#include "lang/sv/game_world.inc"
#include "lang/sv/game_core.inc"
#include "lang/sv/business.inc"
#include "lang/sv/office.inc"
#include "lang/sv/harbour.inc"
#include "lang/sv/port_info.inc"
#include "lang/sv/broker.inc"
#include "lang/sv/voyage.inc"
#include "lang/sv/voyage_harbour.inc"
#include "lang/sv/incidents.inc"
#include "lang/sv/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Swedish table must list every text in order");

}  // namespace

const TextEntry* g_texts_sv = kTexts;
