// Stand-ins for game-core operations until they are built (none are left at present).
#include "game/placeholders.h"
