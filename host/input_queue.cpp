#include "host/input_queue.h"

#include "engine/input.h"

namespace {

// Ring positions; i may be -1 (the slot before the head).
int32_t key_at(const KeyQueue* q, int32_t i) { return (q->head + i + KEY_QUEUE_SIZE) % KEY_QUEUE_SIZE; }
int32_t mouse_at(const MouseQueue* q, int32_t i) { return (q->head + i + MOUSE_QUEUE_SIZE) % MOUSE_QUEUE_SIZE; }

bool is_press(MouseChange change) { return change == MOUSE_CHANGE_LEFT_DOWN || change == MOUSE_CHANGE_RIGHT_DOWN; }

uint32_t button_of(MouseChange change) {
    return change == MOUSE_CHANGE_LEFT_DOWN || change == MOUSE_CHANGE_LEFT_UP ? MOUSE_LEFT : MOUSE_RIGHT;
}

int32_t buttons_down(uint32_t buttons) {
    return static_cast<int32_t>((buttons & MOUSE_LEFT) != 0) + static_cast<int32_t>((buttons & MOUSE_RIGHT) != 0);
}

// The buttons as the game will have them once every waiting change is in place (only this thread
// changes them).
uint32_t buttons_at_end(const MouseQueue* q) {
    uint32_t buttons = g_mouse_buttons.load(std::memory_order_relaxed);
    for (int32_t i = 0; i < q->count; ++i) {
        const MouseQueueEntry& e = q->entries[mouse_at(q, i)];
        if (is_press(e.change))
            buttons |= button_of(e.change);
        else
            buttons &= ~button_of(e.change);
    }
    return buttons;
}

// Puts a button change in place, and the pointer where it went after it. Only changes that alter
// the buttons are queued, so each one waits until the game has read it.
void apply(MouseQueue* q, const MouseQueueEntry& e) {
    switch (e.change) {
        case MOUSE_CHANGE_MOVE: break;  // moves ride on the changes
        case MOUSE_CHANGE_LEFT_DOWN: mouse_left_down(e.x, e.y); break;
        case MOUSE_CHANGE_RIGHT_DOWN: mouse_right_down(e.x, e.y); break;
        case MOUSE_CHANGE_LEFT_UP: mouse_left_up(); break;
        case MOUSE_CHANGE_RIGHT_UP: mouse_right_up(); break;
    }
    if (e.then_moves) mouse_set_position(e.to_x, e.to_y);
    q->unseen = true;
    q->shown = g_mouse_buttons.load(std::memory_order_relaxed);
}

// The pointer goes there at once when no change waits, else right after the last waiting one.
void move_pointer(MouseQueue* q, uint32_t x, uint32_t y) {
    if (q->count == 0) {
        mouse_set_position(x, y);
        return;
    }
    MouseQueueEntry& last = q->entries[mouse_at(q, q->count - 1)];
    last.then_moves = true;
    last.to_x = x;
    last.to_y = y;
}

}  // namespace

int32_t key_queue_feed(KeyQueue* q) {
    if (q->count > 0 && key_slot_offer(q->keys[q->head]) != 0) {
        q->handed = q->keys[q->head];
        q->handed_repeat = q->repeats[q->head];
        q->head = key_at(q, 1);
        --q->count;
    }
    return q->count;
}

int32_t key_queue_push(KeyQueue* q, uint32_t key, bool repeat) {
    if (repeat) {
        int32_t last = key_at(q, q->count - 1);
        if (q->count > 0 && q->repeats[last]) {
            q->keys[last] = key;
            return key_queue_feed(q);
        }
        if (q->count == 0 && q->handed_repeat && key_slot_replace(q->handed, key) != 0) {
            q->handed = key;
            return 0;
        }
    }
    if (q->count < KEY_QUEUE_SIZE) {
        int32_t tail = key_at(q, q->count);
        q->keys[tail] = key;
        q->repeats[tail] = repeat;
        ++q->count;
    }
    return key_queue_feed(q);
}

int32_t mouse_queue_feed(MouseQueue* q) {
    // Every change alters the buttons and waits until it is seen, so the game's last read shows
    // this state only once it has read it.
    if (q->unseen && mouse_buttons_seen() == q->shown) q->unseen = false;
    while (q->count > 0 && !q->unseen) {
        apply(q, q->entries[q->head]);
        q->head = mouse_at(q, 1);
        --q->count;
    }
    return q->count;
}

int32_t mouse_queue_push(MouseQueue* q, MouseChange change, uint32_t x, uint32_t y) {
    mouse_queue_feed(q);
    if (change == MOUSE_CHANGE_MOVE) {
        move_pointer(q, x, y);
        return q->count;
    }
    uint32_t button = button_of(change);
    uint32_t end = buttons_at_end(q);
    if (is_press(change)) {
        // A press waits only where its release, and that of every other button left down, will
        // find room after it. One that does not fit is dropped with its release; the pointer
        // still goes where it was made. (A press of a button that is down already changes
        // nothing but the pointer.)
        bool fits = q->count + 1 + buttons_down(end | button) <= MOUSE_QUEUE_SIZE;
        if ((end & button) != 0 || (q->dropped & button) != 0 || !fits) {
            if ((end & button) == 0) q->dropped |= button;
            move_pointer(q, x, y);
            return q->count;
        }
    } else {
        if ((q->dropped & button) != 0) {
            q->dropped &= ~button;
            return q->count;
        }
        if ((end & button) == 0) return q->count;  // its press was not the game's (the menu strip's)
    }
    MouseQueueEntry e{change, x, y, false, 0, 0};
    if (q->count == 0 && !q->unseen) {
        apply(q, e);
        return 0;
    }
    q->entries[mouse_at(q, q->count)] = e;
    ++q->count;
    return q->count;
}
