// The Italian texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/it/engine.inc"
#include "lang/it/ui.inc"
#include "lang/it/game_world.inc"
#include "lang/it/game_core.inc"
#include "lang/it/business.inc"
#include "lang/it/office.inc"
#include "lang/it/harbour.inc"
#include "lang/it/port_info.inc"
#include "lang/it/broker.inc"
#include "lang/it/voyage.inc"
#include "lang/it/voyage_harbour.inc"
#include "lang/it/incidents.inc"
#include "lang/it/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Italian table must list every text in order");

}  // namespace

const TextEntry* g_texts_it = kTexts;
