// The ranking list of the shipowners and the graph of one shipowner's net worth over time.
#pragma once

#include <cstdint>

struct Shipowner;

// Pieces the ranking list copies from its own picture (45) and the crown of picture 34, as
// x, y, width, height. The picture painter draws them at these places.
struct RankingSprite {
    int32_t x;
    int32_t y;
    int32_t w;
    int32_t h;
};
constexpr RankingSprite RANKING_BRICK = {219, 166, 33, 9};
constexpr RankingSprite RANKING_WORTH_PIECE = {230, 188, 12, 3};
constexpr RankingSprite RANKING_CROWN = {0, 0, 30, 22};
constexpr int32_t RANKING_PICTURE = 45;
constexpr int32_t RANKING_CROWN_PICTURE = 34;
constexpr int32_t STATISTICS_PICTURE = 8;
// Days the property statistics draw: the newest entry of the net-worth ring and the 200 before it.
constexpr int32_t STATISTICS_DAYS = 201;

// Every shipowner still in the game as bricks of status and a bar of net worth, the leader
// crowned; waits for OK even while a quit request is pending.
void ranking_list_screen();
void property_statistics_screen(int32_t player);

// The crowned column among count columns: the highest status, then among those the strictly
// highest worth from the left; -1 when two columns share the leader's status and worth.
int32_t ranking_leader(const int32_t* status, const int32_t* worth, int32_t count);
// The graph's bounds from the 201 newest entries of the shipowner's net-worth ring: the highest
// rounded up past the next whole 1000, the lowest rounded down to a whole 1000 (below zero past it).
void statistics_bounds(const Shipowner* owner, int32_t* max, int32_t* min);
