// The German texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/de/engine.inc"
#include "lang/de/ui.inc"
#include "lang/de/game_world.inc"
#include "lang/de/game_core.inc"
#include "lang/de/business.inc"
#include "lang/de/office.inc"
#include "lang/de/harbour.inc"
#include "lang/de/port_info.inc"
#include "lang/de/broker.inc"
#include "lang/de/voyage.inc"
#include "lang/de/voyage_harbour.inc"
#include "lang/de/incidents.inc"
#include "lang/de/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the German table must list every text in order");

}  // namespace

const TextEntry* g_texts_de = kTexts;
