// The charter market's freight offer: one offer from London with four shipowners of 30 ships
// each lying in its port, so that the count of idle ships walks every list.
#include <benchmark/benchmark.h>

#include "business/freight_offer.h"
#include "business/visit_rolls.h"
#include "world/records.h"
#include "world/state_reset.h"

namespace {

void BM_FreightOffer(benchmark::State& state) {
    world_state_reset();
    g_shipowner_count = 4;
    for (int32_t i = 0; i < 4; ++i) {
        g_shipowners[i].home_port = 2;
        for (int32_t k = 0; k < 30; ++k) {
            Ship* ship = new_ship();
            ship->ship_type = 3;
            ship->condition = 10000;
            ship->port = static_cast<int8_t>(k % 2 == 0 ? 1 : 9);
            append_ship(&g_shipowners[i], ship);
        }
    }
    int32_t rolls[VISIT_ROLLS] = {};
    rolls[ROLL_DEADLINE] = 400;
    rolls[ROLL_EXPRESS] = 95;
    Ship* ship = g_shipowners[0].ships;
    FreightOffer offer{};
    for (auto _ : state) {
        freight_offer_compute(&g_shipowners[0], ship, 1, 1, rolls, &offer);
        benchmark::DoNotOptimize(offer);
    }
    world_state_reset();
}
BENCHMARK(BM_FreightOffer);

}  // namespace
