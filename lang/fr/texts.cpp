// The French texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/fr/engine.inc"
#include "lang/fr/ui.inc"
#include "lang/fr/game_world.inc"
#include "lang/fr/game_core.inc"
#include "lang/fr/business.inc"
#include "lang/fr/office.inc"
#include "lang/fr/harbour.inc"
#include "lang/fr/port_info.inc"
#include "lang/fr/broker.inc"
#include "lang/fr/voyage.inc"
#include "lang/fr/voyage_harbour.inc"
#include "lang/fr/incidents.inc"
#include "lang/fr/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the French table must list every text in order");

}  // namespace

const TextEntry* g_texts_fr = kTexts;
