// The radar exercise: the console as it starts, and the scope with the sweep just past the other
// ship's echo from each of its three starts, once under helm and telegraph orders.
#include "engine/random.h"
#include "tests/screens/screens.h"
#include "voyage/radar_frame.h"
#include "voyage/radar_gauges.h"
#include "voyage/radar_motion.h"

namespace {

// The dice set for the other ship's start; its speed is whatever the seed gives.
void seed_start(int32_t start) {
    for (uint32_t seed = 1; seed < 65536; ++seed) {
        g_random_seed = static_cast<uint16_t>(seed);
        g_random_counter = g_random_value = 0;
        if (random_range(0, 2) != start) continue;
        g_random_seed = static_cast<uint16_t>(seed);
        g_random_counter = g_random_value = 0;
        return;
    }
}

void radar_after(ScreenShot* shot, int32_t start, int32_t frames, int32_t rudder, int32_t telegraph) {
    seed_start(start);
    RadarRun run;
    radar_run_start(&run);
    radar_console_show(&run);
    run.rudder = rudder;
    run.telegraph = telegraph;
    for (int32_t k = 0; k < frames && run.result < 0; ++k) radar_frame(&run);
    screens_shot_frame(shot);
}

}  // namespace

void screen_radar_start(ScreenShot* shot) { radar_after(shot, 0, 0, 0, 7); }
// sweep at 270 - 4 x 24 = 174: the ship dead ahead, steering nearly along the rays, so that little
// of its echo is painted
void screen_radar_ahead(ScreenShot* shot) { radar_after(shot, 0, 24, 0, 7); }
// sweep at 130: the ship fine on the starboard bow
void screen_radar_starboard(ScreenShot* shot) { radar_after(shot, 1, 35, 0, 7); }
// sweep at 218: the ship on the port bow
void screen_radar_port(ScreenShot* shot) { radar_after(shot, 2, 13, 0, 7); }
// hard to starboard at full ahead for two turns of the sweep: the echo has swung round
void screen_radar_turning(ScreenShot* shot) { radar_after(shot, 1, 150, 39, 31); }
