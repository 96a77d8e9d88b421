// The Spanish texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/es/engine.inc"
#include "lang/es/ui.inc"
#include "lang/es/game_world.inc"
#include "lang/es/game_core.inc"
#include "lang/es/business.inc"
#include "lang/es/office.inc"
#include "lang/es/harbour.inc"
#include "lang/es/port_info.inc"
#include "lang/es/broker.inc"
#include "lang/es/voyage.inc"
#include "lang/es/voyage_harbour.inc"
#include "lang/es/incidents.inc"
#include "lang/es/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Spanish table must list every text in order");

}  // namespace

const TextEntry* g_texts_es = kTexts;
