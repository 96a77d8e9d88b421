#include "lang/lang.h"

// Port rows: 2 Rotterdam, 3 Hamburg, 4 Marseilles, 11 San Francisco.
const LanguageSettings g_language_settings[11] = {
    {"en", "", "", "qwertyuiop", 'z', 50, 11, 0}, {"de", "", "", "qwertyuiop", 'z', 50, 3, 0},
    {"fr", "", "", "azertyuiop", 0, 60, 4, 0},    {"it", "", "", "qwertyuiop", 0, 80, 4, 0},
    {"es", "", "", "qwertyuiop", 0, 60, 4, 0},    {"pt", "", "", "qwertyuiop", 0, 60, 4, 1},
    {"nl", "a", "t", "qwertyuiop", 'z', 50, 2, 0}, {"da", "", "", "qwertyuiop", 'z', 60, 3, 2},
    {"no", "", "", "qwertyuiop", 0, 60, 4, 0},    {"sv", "", "", "qwertyuiop", 'z', 60, 3, 0},
    {"fi", "kv", "etp", "qwertyuiop", 'z', 60, 3, 0},
};
