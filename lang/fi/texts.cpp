// The Finnish texts, in text_ids.def order, one file per area.
#include "lang/lang.h"

namespace {

constexpr TextEntry kTexts[] = {
#include "lang/fi/engine.inc"
#include "lang/fi/ui.inc"
#include "lang/fi/game_world.inc"
#include "lang/fi/game_core.inc"
#include "lang/fi/business.inc"
#include "lang/fi/office.inc"
#include "lang/fi/harbour.inc"
#include "lang/fi/port_info.inc"
#include "lang/fi/broker.inc"
#include "lang/fi/voyage.inc"
#include "lang/fi/voyage_harbour.inc"
#include "lang/fi/incidents.inc"
#include "lang/fi/route_events.inc"
};
static_assert(text_table_complete(kTexts), "the Finnish table must list every text in order");

}  // namespace

const TextEntry* g_texts_fi = kTexts;
