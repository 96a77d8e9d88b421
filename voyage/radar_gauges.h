// The radar console's instruments: the engine telegraph, the rudder, the speed and the heading.
// A marker moves by redrawing its old line in the field's colour and the new one in its own.
#pragma once

#include <cstdint>

#include "voyage/radar_motion.h"

// The row of the speed marker: 90 - speed / 8 (arithmetic), kept in the field 59..118.
int32_t radar_speed_mark_y(int32_t speed);
// The fields, their markers and the heading display as the run starts.
void radar_gauges_draw(RadarRun* run);
// Redraws the telegraph and rudder markers that moved.
void radar_controls_update(RadarRun* run);
// Moves the speed marker when the speed changed: true then.
bool radar_speed_update(RadarRun* run);
// Writes the heading into its display when its whole degrees changed.
void radar_heading_update(RadarRun* run);
// The heading display showing degrees.
void radar_heading_draw(int32_t degrees);
