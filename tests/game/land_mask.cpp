#include "tests/game/land_mask.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "world/coastlines.h"

namespace {

constexpr int32_t kWidth = 3600;   // lon -1800..1799
constexpr int32_t kHeight = 1801;  // lat -900..900

// Scanline fill of each polygon at the integer rows; a cell is land when its centre point is inside.
std::vector<uint8_t> build_mask() {
    std::vector<uint8_t> mask(static_cast<size_t>(kWidth) * kHeight, 0);
    std::vector<double> xs;
    for (const Coastline* c = g_coastlines; c->count != 0; ++c) {
        for (int32_t row = 0; row < kHeight; ++row) {
            double y = row - 900;
            xs.clear();
            for (int32_t i = 0; i + 1 < c->count; ++i) {
                const CoastPoint& a = c->points[i];
                const CoastPoint& b = c->points[i + 1];
                if ((a.lat > y) != (b.lat > y)) {
                    xs.push_back(a.lon + (y - a.lat) * (b.lon - a.lon) / static_cast<double>(b.lat - a.lat));
                }
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2) {
                int32_t from = std::max(static_cast<int32_t>(std::ceil(xs[k])), -1800);
                int32_t to = std::min(static_cast<int32_t>(std::ceil(xs[k + 1])), 1800);
                for (int32_t x = from; x < to; ++x) mask[static_cast<size_t>(row) * kWidth + (x + 1800)] = 1;
            }
        }
    }
    return mask;
}

const std::vector<uint8_t>& mask() {
    static const std::vector<uint8_t> m = build_mask();
    return m;
}

}  // namespace

bool land_at(int32_t lon, int32_t lat) {
    while (lon >= 1800) lon -= 3600;
    while (lon < -1800) lon += 3600;
    lat = std::clamp(lat, -900, 900);
    return mask()[static_cast<size_t>(lat + 900) * kWidth + (lon + 1800)] != 0;
}

bool polygon_contains(const Coastline& coast, int32_t lat, int32_t lon) {
    bool inside = false;
    for (int32_t i = 0; i + 1 < coast.count; ++i) {
        const CoastPoint& a = coast.points[i];
        const CoastPoint& b = coast.points[i + 1];
        if ((a.lat > lat) != (b.lat > lat)) {
            double x = a.lon + (lat - a.lat) * (b.lon - a.lon) / static_cast<double>(b.lat - a.lat);
            if (x > lon) inside = !inside;
        }
    }
    return inside;
}

namespace {

bool any_within(int32_t lon, int32_t lat, int32_t radius, bool want_land) {
    for (int32_t dy = -radius; dy <= radius; ++dy) {
        for (int32_t dx = -radius; dx <= radius; ++dx) {
            if (land_at(lon + dx, lat + dy) == want_land) return true;
        }
    }
    return false;
}

}  // namespace

bool land_within(int32_t lon, int32_t lat, int32_t radius) {
    return any_within(lon, lat, radius, true);
}
bool sea_within(int32_t lon, int32_t lat, int32_t radius) {
    return any_within(lon, lat, radius, false);
}
