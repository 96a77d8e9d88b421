#include "business/ship_picker.h"

#include "world/records.h"

int32_t ship_picker_buttons(const Shipowner* owner, ScreenButton* buttons) {
    int16_t x = 7;
    int16_t y = 32;
    int32_t n = 0;
    for (const Ship* ship = owner->ships; ship != nullptr && n < SHIP_PICKER_MAX; ship = ship->next, ++n) {
        buttons[n] = ScreenButton{x, y, 100, 13, ship->name, static_cast<uint16_t>(100 + n)};
        y = static_cast<int16_t>(y + 14);
        if (y > 165) {
            y = 32;
            x = static_cast<int16_t>(x + 102);
        }
    }
    return n;
}

Ship* ship_picker_ship(const Shipowner* owner, int32_t index) {
    Ship* ship = owner->ships;
    for (int32_t i = 0; ship != nullptr && i < index; ++i) ship = ship->next;
    return index >= 0 ? ship : nullptr;
}
