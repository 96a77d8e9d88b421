#include "voyage/charts.h"

// Where the ship starts in a rescue, and where the raft starts with the heading it drifts on.
const RescuePosition g_rescue_ship_starts[RESCUE_POSITION_COUNT] = {
    {30, 160, 280}, {100, 161, 265}, {170, 160, 250}, {220, 158, 240}};
const RescuePosition g_rescue_raft_starts[RESCUE_POSITION_COUNT] = {
    {20, 11, 35}, {90, 12, 46}, {190, 11, 140}, {250, 12, 165}};
