// The English texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/en/engine.inc"
#include "lang/en/ui.inc"
#include "lang/en/game_world.inc"
#include "lang/en/game_core.inc"
#include "lang/en/business.inc"
#include "lang/en/office.inc"
#include "lang/en/harbour.inc"
#include "lang/en/port_info.inc"
#include "lang/en/broker.inc"
#include "lang/en/voyage.inc"
#include "lang/en/voyage_harbour.inc"
#include "lang/en/incidents.inc"
#include "lang/en/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the English table must list every text in order");

}  // namespace

const TextEntry* g_texts_en = kTexts;
