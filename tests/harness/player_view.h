// What a scripted player of a whole game reads off the screen and the books between its moves:
// which buttons are up, whether a slider is shown, a hash of the frame, and the sums the accounts
// must agree with.
#pragma once

#include <cstdint>

#include "ui/gadget.h"
#include "world/records.h"

// The gadget is in the window's list now (a button table keeps gadgets that are no longer up).
bool gadget_listed(const Gadget* g);
// A button of the screen's table is up at (x, y) with that command, or with that label.
bool button_at(int32_t x, int32_t y, int32_t command);
bool button_labelled(const char* label, int32_t x, int32_t y);
// A slider is up (the voyage panel's speed, the bunker's amount ...).
bool slider_up();
// FNV-1a of the 320 x 200 frame, to compare two runs frame by frame.
uint64_t screen_hash();
// What the four accounts add up to: the cash a shipowner gained or lost by them.
int32_t books_ledger(const Shipowner& o);
// The net worth of shipowner i as the office computes it.
int32_t owner_net_worth(int32_t i);
