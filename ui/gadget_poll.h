// The one poll of the gadgets: takes a waiting key (an active entry field edits with it) and then
// turns the left button's press, drag and release into gadget events.
#pragma once

#include <cstdint>

// Writes the event's code and class (GADGET_EVENT_*); returns 1 when the caller should act on code:
// a press or a release inside a gadget other than an entry field, or Enter ending an entry field.
int32_t gadget_poll_event(int32_t* code, int32_t* event_class);
