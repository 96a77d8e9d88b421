#include "world/weather.h"

#include "engine/random.h"

int8_t g_wind_grid[WIND_ROWS][WIND_COLUMNS];

const int8_t g_wind_base_grid[WIND_ROWS][WIND_COLUMNS] = {
    {1, 3, 2, 3, 2, 2, 3, 2, 2, 3, 4, 3}, {4, 3, 5, 7, 8, 4, 4, 1, 4, 6, 7, 6},
    {5, 0, 0, 8, 9, 0, 1, 2, 5, 6, 7, 6}, {6, 5, 6, 6, 5, 3, 1, 1, 5, 6, 9, 7},
    {7, 4, 1, 2, 1, 8, 3, 6, 5, 7, 4, 4}, {2, 3, 4, 5, 3, 2, 4, 3, 3, 4, 3, 3},
};

const int8_t g_wind_move_table[WIND_ROWS][WIND_COLUMNS][2] = {
    {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}},
    {{0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}},
    {{1, 1}, {1, 1}, {0, 0}, {1, 1}, {0, 0}, {0, 0}, {0, -1}, {1, 1}, {1, 1}, {-1, 1}, {1, 1}, {1, 1}},
    {{1, -1},
     {1, -1},
     {1, -1},
     {1, 1},
     {0, -1},
     {1, -1},
     {0, -1},
     {1, -1},
     {0, -1},
     {1, -1},
     {0, 0},
     {0, -1}},
    {{0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1},
     {0, -1}},
    {{-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1},
     {-1, -1}},
};

void weather_reset() {
    for (int32_t r = 0; r < WIND_ROWS; ++r) {
        for (int32_t c = 0; c < WIND_COLUMNS; ++c) g_wind_grid[r][c] = g_wind_base_grid[r][c];
    }
}

void weather_step() {
    int8_t scratch[WIND_ROWS][WIND_COLUMNS];
    for (int32_t r = 0; r < WIND_ROWS; ++r) {
        for (int32_t c = 0; c < WIND_COLUMNS; ++c) {
            int32_t sr = r + g_wind_move_table[r][c][0];
            int32_t sc = c + g_wind_move_table[r][c][1];
            // A band pushed over a pole comes back on the opposite side of the globe.
            if (sr < 0) {
                sr = 0;
                sc += WIND_COLUMNS / 2;
            }
            if (sr > WIND_ROWS - 1) {
                sr = WIND_ROWS - 1;
                sc += WIND_COLUMNS / 2;
            }
            while (sc < 0) sc += WIND_COLUMNS;
            while (sc >= WIND_COLUMNS) sc -= WIND_COLUMNS;
            scratch[r][c] = g_wind_grid[sr][sc];
        }
    }
    for (int32_t r = 0; r < WIND_ROWS; ++r) {
        for (int32_t c = 0; c < WIND_COLUMNS; ++c) g_wind_grid[r][c] = scratch[r][c];
    }
    // The further a cell lies below its climate, the likelier it rises (and the other way round).
    for (int32_t r = 0; r < WIND_ROWS; ++r) {
        for (int32_t c = 0; c < WIND_COLUMNS; ++c) {
            int32_t v = g_wind_grid[r][c];
            int32_t b = g_wind_base_grid[r][c];
            int32_t t = random_range(b - v - 12, b - v + 12);
            if (t >= 1) {
                if (v < WIND_FORCE_MAX) ++v;
            } else if (t < 0) {
                if (v > 0) --v;
            }
            g_wind_grid[r][c] = static_cast<int8_t>(v);
        }
    }
}

int8_t weather_wind_at(int32_t lat, int32_t lon) {
    while (lon < -180) lon += 360;
    while (lon > 179) lon -= 360;
    if (lat < -90) lat = -90;
    if (lat > 89) lat = 89;
    return g_wind_grid[5 - (lat + 90) / 30][(lon + 180) / 30];
}

int8_t weather_wind_smoothed(int32_t lat, int32_t lon) {
    int32_t sum = 4 * weather_wind_at(lat, lon) +
                  2 * (weather_wind_at(lat, lon + 14) + weather_wind_at(lat + 14, lon) +
                       weather_wind_at(lat, lon - 14) + weather_wind_at(lat - 14, lon)) +
                  weather_wind_at(lat + 9, lon + 9) + weather_wind_at(lat + 9, lon - 9) +
                  weather_wind_at(lat - 9, lon - 9) + weather_wind_at(lat - 9, lon + 9);
    return static_cast<int8_t>(sum >> 4);
}

int8_t weather_wind_smoothed2(int32_t lat, int32_t lon) {
    int32_t sum = 4 * weather_wind_smoothed(lat, lon) +
                  2 * (weather_wind_smoothed(lat, lon + 6) + weather_wind_smoothed(lat + 6, lon) +
                       weather_wind_smoothed(lat, lon - 6) + weather_wind_smoothed(lat - 6, lon)) +
                  weather_wind_smoothed(lat + 4, lon + 4) + weather_wind_smoothed(lat + 4, lon - 4) +
                  weather_wind_smoothed(lat - 4, lon - 4) + weather_wind_smoothed(lat - 4, lon + 4);
    return static_cast<int8_t>(sum >> 4);
}
