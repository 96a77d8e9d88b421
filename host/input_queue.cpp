#include "host/input_queue.h"

#include "engine/input.h"

namespace {

// Ring positions; i may be -1 (the slot before the head).
int32_t key_at(const KeyQueue* q, int32_t i) { return (q->head + i + KEY_QUEUE_SIZE) % KEY_QUEUE_SIZE; }
int32_t mouse_at(const MouseQueue* q, int32_t i) { return (q->head + i + MOUSE_QUEUE_SIZE) % MOUSE_QUEUE_SIZE; }

// Puts a change in place. A change that leaves the buttons as they were (a release of a button
// the game never saw pressed) needs no reading.
void apply(MouseQueue* q, const MouseQueueEntry& e) {
    uint32_t before = g_mouse_buttons.load(std::memory_order_relaxed);
    switch (e.change) {
        case MOUSE_CHANGE_MOVE: mouse_set_position(e.x, e.y); return;
        case MOUSE_CHANGE_LEFT_DOWN: mouse_left_down(e.x, e.y); break;
        case MOUSE_CHANGE_LEFT_UP: mouse_left_up(); break;
        case MOUSE_CHANGE_RIGHT_DOWN: mouse_right_down(e.x, e.y); break;
        case MOUSE_CHANGE_RIGHT_UP: mouse_right_up(); break;
    }
    uint32_t after = g_mouse_buttons.load(std::memory_order_relaxed);
    if (after == before) return;
    q->unseen = true;
    q->shown = after;
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
    while (q->count > 0) {
        const MouseQueueEntry& e = q->entries[q->head];
        if (e.change != MOUSE_CHANGE_MOVE && q->unseen) break;
        apply(q, e);
        q->head = mouse_at(q, 1);
        --q->count;
    }
    return q->count;
}

int32_t mouse_queue_push(MouseQueue* q, MouseChange change, uint32_t x, uint32_t y) {
    mouse_queue_feed(q);
    if (q->count == 0 && (change == MOUSE_CHANGE_MOVE || !q->unseen)) {
        apply(q, MouseQueueEntry{change, x, y});
        return 0;
    }
    int32_t last = mouse_at(q, q->count - 1);
    if (change == MOUSE_CHANGE_MOVE && q->count > 0 && q->entries[last].change == MOUSE_CHANGE_MOVE) {
        q->entries[last] = MouseQueueEntry{change, x, y};  // only the latest position matters
    } else if (q->count < MOUSE_QUEUE_SIZE) {
        q->entries[mouse_at(q, q->count)] = MouseQueueEntry{change, x, y};
        ++q->count;
    }
    return q->count;
}
