// The control panel of the manoeuvring simulation, drawn as the bow of a ship seen from above at
// the lower right: rudder, engine telegraph, speed scale and (model 1 only) the bow thruster; and
// the reading of the player's mouse and keys into those controls.
#pragma once

#include <cstdint>

// The keys of the simulation.
enum : uint32_t {
    SIM_KEY_FULL_AHEAD = 33,   // '!'
    SIM_KEY_FULL_ASTERN = 34,  // '"'
    SIM_KEY_STOP = 36,         // '$'
    SIM_KEY_PAUSE = 32,        // space
    SIM_KEY_THRUSTER_PORT = 45,  // '-'
};

void control_panel_draw(int32_t model);
// Mouse, keys, the gauges that changed and the engine's pitch. gauge is the index into the
// remembered gauge values (the simulation passes 0); the second argument is not used.
void controls_update(int32_t model, int32_t ignored, int32_t gauge);
// The row of the speed mark for speed S: 146 - S / 8 (arithmetic), kept on the scale 106..186.
int32_t speed_mark_y(int32_t speed);
// The engine sound's pitch value at speed (it has no audible effect), and the engine's start in
// the loaded slot: 30000 loops, the sample halved on a slow machine unless the sound mode is 1.
int32_t engine_pitch(int32_t speed);
void engine_sound_start(int32_t slot);
