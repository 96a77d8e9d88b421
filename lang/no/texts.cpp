// The Norwegian texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/no/engine.inc"
#include "lang/no/ui.inc"
#include "lang/no/game_world.inc"
#include "lang/no/game_core.inc"
#include "lang/no/business.inc"
#include "lang/no/office.inc"
#include "lang/no/harbour.inc"
#include "lang/no/port_info.inc"
#include "lang/no/broker.inc"
#include "lang/no/voyage.inc"
#include "lang/no/voyage_harbour.inc"
#include "lang/no/incidents.inc"
#include "lang/no/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Norwegian table must list every text in order");

}  // namespace

const TextEntry* g_texts_no = kTexts;
