// The port names in the build's language, apart from the port table so that what reads only the
// table (the data-file generator) does not need the texts.
#include "world/ports.h"

const char* port_name(int32_t row) {
    if (row < 0 || row > PORT_COUNT) return "";
    return lang_text(g_port_table[row].name);
}
