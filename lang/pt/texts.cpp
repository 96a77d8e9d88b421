// The Portuguese texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/pt/engine.inc"
#include "lang/pt/ui.inc"
#include "lang/pt/game_world.inc"
#include "lang/pt/game_core.inc"
#include "lang/pt/business.inc"
#include "lang/pt/office.inc"
#include "lang/pt/harbour.inc"
#include "lang/pt/port_info.inc"
#include "lang/pt/broker.inc"
#include "lang/pt/voyage.inc"
#include "lang/pt/voyage_harbour.inc"
#include "lang/pt/incidents.inc"
#include "lang/pt/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Portuguese table must list every text in order");

}  // namespace

const TextEntry* g_texts_pt = kTexts;
