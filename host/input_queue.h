// What the window hands the game waits here, on the window thread, until the game is ready for it.
//
// Typed keys: the game's key store holds one key, so keys typed faster than the game takes them
// wait in order and the next one goes into the store once the game has taken the one before. A
// key that repeats because it is held down (an arrow while steering) builds no backlog: a repeat
// replaces a repeat the game has not taken yet.
//
// The buttons: the game reads them when it polls, so a press and release between two polls (a
// tap on a touchpad) would never be seen. A button change stays in place until the game has read
// the buttons at least once, and the next change follows then, so every click counts once.
// Pointer moves made while a change waits follow it, the latest one only. At most
// MOUSE_QUEUE_SIZE changes wait, and room is always kept for the release of every button the
// waiting changes leave down: a long burst of taps while the game reads no buttons keeps as many
// of its first taps as fit (16 when nothing waited before it) and drops the rest whole, each press
// together with its release, so the buttons the game ends up with are always the window's.
#pragma once

#include <cstdint>

constexpr int32_t KEY_QUEUE_SIZE = 64;
constexpr int32_t MOUSE_QUEUE_SIZE = 32;

struct KeyQueue {
    uint32_t keys[KEY_QUEUE_SIZE];
    bool repeats[KEY_QUEUE_SIZE];
    int32_t head, count;
    uint32_t handed;     // the key last put into the store, 0 for none
    bool handed_repeat;  // ... and whether it was a repeat
};

enum MouseChange : int32_t {
    MOUSE_CHANGE_MOVE,
    MOUSE_CHANGE_LEFT_DOWN,
    MOUSE_CHANGE_LEFT_UP,
    MOUSE_CHANGE_RIGHT_DOWN,
    MOUSE_CHANGE_RIGHT_UP,
};

// A waiting button change. Moves do not wait in the ring of their own: the latest one made after a
// change rides on it and follows it at once.
struct MouseQueueEntry {
    MouseChange change;
    uint32_t x, y;          // frame coordinates where a press was made
    bool then_moves;        // the pointer moved after the change ...
    uint32_t to_x, to_y;    // ... to here (the latest place)
};

struct MouseQueue {
    MouseQueueEntry entries[MOUSE_QUEUE_SIZE];
    int32_t head, count;
    bool unseen;       // a button change is in place that the game has not read yet
    uint32_t shown;    // the buttons as that change left them
    uint32_t dropped;  // buttons whose press found no room: their release goes with it
};

// Each push hands over at once what the game is ready for; feed hands over what has become ready
// since. Each returns the number still waiting (the window then looks again shortly).
int32_t key_queue_push(KeyQueue* q, uint32_t key, bool repeat);
int32_t key_queue_feed(KeyQueue* q);
int32_t mouse_queue_push(MouseQueue* q, MouseChange change, uint32_t x, uint32_t y);
int32_t mouse_queue_feed(MouseQueue* q);
