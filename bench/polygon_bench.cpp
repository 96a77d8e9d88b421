// Filling polygon paths: a large triangle, a ship hull of a few dozen points in a chart style, a
// rectangle reaching beyond the screen, and many small shapes as a harbour chart draws them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "engine/polygon.h"

namespace {

void BM_PolygonTriangle(benchmark::State& state) {
    for (auto _ : state) {
        polygon_move_to(160, 5);
        polygon_line_to(315, 195);
        polygon_line_to(5, 195);
        polygon_fill_color(0, 12);
    }
}
BENCHMARK(BM_PolygonTriangle);

void BM_PolygonHull(benchmark::State& state) {
    // An ellipse-like hull of range(0) points, stippled like a shoal, with its outline.
    int32_t points = static_cast<int32_t>(state.range(0));
    std::vector<std::pair<int32_t, int32_t>> hull;
    for (int32_t i = 0; i < points; ++i) {
        double a = 2 * M_PI * i / points;
        hull.push_back(
            {160 + static_cast<int32_t>(120 * std::cos(a)), 100 + static_cast<int32_t>(40 * std::sin(a))});
    }
    set_polygon_fill_style(FILL_STYLE_SHOAL);
    for (auto _ : state) {
        polygon_move_to(hull[0].first, hull[0].second);
        for (int32_t i = 1; i < points; ++i) polygon_line_to(hull[i].first, hull[i].second);
        polygon_fill_styled(1);
    }
}
BENCHMARK(BM_PolygonHull)->Arg(8)->Arg(32);

void BM_PolygonClippedScreen(benchmark::State& state) {
    for (auto _ : state) {
        polygon_move_to(-100, -100);
        polygon_line_to(500, -100);
        polygon_line_to(500, 400);
        polygon_line_to(-100, 400);
        polygon_fill_color(0, 3);
    }
}
BENCHMARK(BM_PolygonClippedScreen);

void BM_PolygonSmallShapes(benchmark::State& state) {
    // 50 quays and shoals of 6 points, each its own fill.
    for (auto _ : state) {
        for (int32_t i = 0; i < 50; ++i) {
            int32_t x = 6 * i, y = 20 + (i * 37) % 150;
            polygon_move_to(x, y);
            polygon_line_to(x + 12, y + 2);
            polygon_line_to(x + 15, y + 10);
            polygon_line_to(x + 9, y + 18);
            polygon_line_to(x + 2, y + 16);
            polygon_line_to(x - 2, y + 7);
            polygon_fill_gradient(9, 15, i * 5, 0);
        }
    }
}
BENCHMARK(BM_PolygonSmallShapes);

}  // namespace
