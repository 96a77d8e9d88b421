// A table with one fault of each kind the build-time text check must find: the English texts with
// a changed conversion, a forbidden conversion, characters the code page lacks, a text too wide for
// its button and a text of two lines.
#include "lang/lang.h"

extern const TextEntry* g_texts_en;

namespace {

TextEntry g_faulty[TEXT_COUNT];

const TextEntry* make_faulty() {
    for (uint32_t i = 0; i < TEXT_COUNT; ++i) g_faulty[i] = g_texts_en[i];
    g_faulty[TXT_CM_RATE].text = "Rate: $%s";
    g_faulty[TXT_HV_FINE_2].text = "$%n";
    g_faulty[TXT_PORT_LONDON].text = "London \xE2\x82\xAC";    // a euro sign
    g_faulty[TXT_QUIT_YES].text = "\xC3\x98ui";               // O with stroke: no byte in code page 437
    g_faulty[TXT_OFFICE_INFO].text = "Information";
    g_faulty[TXT_HS_REPAIR_PERCENT].text = "many\npercent?";
    return g_faulty;
}

}  // namespace

const TextEntry* g_texts_faulty = make_faulty();
