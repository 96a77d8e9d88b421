// The steps of the radar exercise, apart so that a test or a benchmark can take them one by one.
#pragma once

#include "voyage/radar_motion.h"

// Loads the console picture and the sounds, starts the engine, shows the console and draws the
// instruments.
void radar_console_show(RadarRun* run);
// One frame: mouse and keys, the markers, both ships, speed and pitch, the heading, the sweep and
// the echo; run->result is RADAR_QUIT while the exercise goes on.
void radar_frame(RadarRun* run);
