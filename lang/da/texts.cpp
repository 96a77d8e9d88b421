// The Danish texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/da/engine.inc"
#include "lang/da/ui.inc"
#include "lang/da/game_world.inc"
#include "lang/da/game_core.inc"
#include "lang/da/business.inc"
#include "lang/da/office.inc"
#include "lang/da/harbour.inc"
#include "lang/da/port_info.inc"
#include "lang/da/broker.inc"
#include "lang/da/voyage.inc"
#include "lang/da/voyage_harbour.inc"
#include "lang/da/incidents.inc"
#include "lang/da/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Danish table must list every text in order");

}  // namespace

const TextEntry* g_texts_da = kTexts;
