// The home-port picker of the new game and the bank: one button per port in alphabetical order.
#pragma once

#include <cstdint>

constexpr int32_t HOME_PORT_CHOICES = 28;

// The ports in the picker's order (PortInfo rows).
extern const int8_t g_home_port_order[HOME_PORT_CHOICES];

// Lets the player move through the ports until OK; the shipowner's home_port follows the
// selection as it moves, so the port last selected is the home port. There is no cancel.
void choose_home_port_dialog(int32_t player);
