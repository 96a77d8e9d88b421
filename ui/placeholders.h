// What the toolkit takes from the game core: the quit flag, the game file's name and pattern, the
// world map with a ship, and the shipowner's name. The stand-ins left in placeholders.cpp hold the
// neutral value until the game core defines them.
#pragma once

#include "game/main_procedure.h"
#include "game/shipowner_name.h"
#include "game/world_map.h"
