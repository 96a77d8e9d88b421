// The Dutch texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/nl/engine.inc"
#include "lang/nl/ui.inc"
#include "lang/nl/game_world.inc"
#include "lang/nl/game_core.inc"
#include "lang/nl/business.inc"
#include "lang/nl/office.inc"
#include "lang/nl/harbour.inc"
#include "lang/nl/port_info.inc"
#include "lang/nl/broker.inc"
#include "lang/nl/voyage.inc"
#include "lang/nl/voyage_harbour.inc"
#include "lang/nl/incidents.inc"
#include "lang/nl/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Dutch table must list every text in order");

}  // namespace

const TextEntry* g_texts_nl = kTexts;
