// Stand-ins for game-core operations until they are built.
#include "game/placeholders.h"

int32_t day_step() {
    return 0;
}
