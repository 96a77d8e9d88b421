// The ranking list of the shipowners and the graph of one shipowner's net worth over time.
#pragma once

#include <cstdint>

void ranking_list_screen();
void property_statistics_screen(int32_t player);
