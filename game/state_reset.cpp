#include "game/state_reset.h"

#include "business/state_reset.h"
#include "game/startup.h"
#include "ui/state_reset.h"
#include "views/state_reset.h"
#include "voyage/state_reset.h"
#include "world/state_reset.h"

void game_state_reset() {
    g_startup_sound_mode = 0;
}

void all_state_reset() {
    world_state_reset();
    ui_state_reset();
    views_state_reset();
    business_state_reset();
    voyage_state_reset();
    game_state_reset();
}
