// A recorded way through a manoeuvring episode: what the player's hand did on every tick (the
// mouse's place and its left button, and a key when one was pressed), kept as text, and its replay
// through manoeuvre_run on the headless host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The input in place when a tick reads the controls.
struct RouteInput {
    int32_t x, y;     // the mouse
    int32_t button;   // 1: the left button held
    uint32_t key;     // 0: none
    bool operator==(const RouteInput&) const = default;
};

// Run-length text of a script: words "count*x,y,button,key" separated by spaces.
std::string route_script_text(const std::vector<RouteInput>& ticks);
// Back from the text; false on a malformed word.
bool route_script_parse(const std::string& text, std::vector<RouteInput>* ticks);

// Puts one tick's input where the window thread would: the mouse held or released, the key in
// the key slot.
void route_input_apply(const RouteInput& in);

// Plays the script as the player: each tick's input arrives while the ship is drawn, before the
// controls are read (the tick's wait of 16 ms is told from the controls' reads of 30 ms). After
// the script the mouse is let go. Returns manoeuvre_run's result.
int32_t route_replay(int32_t mode, int32_t model, int32_t row, int32_t start, int32_t target, int32_t tick_limit,
                     const std::vector<RouteInput>& ticks);

// One line of the routes file: a harbour episode, sailed with its script or unsailed with why.
struct RouteRecord {
    int32_t row, start, target, model;
    bool sailed;
    std::string by;  // what found the way: "search", or "pilot" (the following pilot of pilot.h)
    int32_t ticks;   // the episode's length when sailed
    std::vector<RouteInput> script;
    std::string why;
};
std::string route_record_line(const RouteRecord& r);
// Reads the lines of a routes file, comments (#) and blank lines skipped; false (with the line)
// on a malformed one.
bool route_file_parse(const std::string& text, std::vector<RouteRecord>* records, std::string* error);

// The routes file in the source tree, and a whole file as text ("" when it cannot be read).
std::string routes_path();
std::string read_text(const std::string& path);
