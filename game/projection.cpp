#include "game/projection.h"

int32_t g_project_lat = 0;
int32_t g_project_lon = 0;
int32_t g_project_x = 0;
int32_t g_project_y = 0;
