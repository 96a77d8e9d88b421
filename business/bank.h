// The bank, opened from the office's Action button: mortgages on single ships, credit against the
// net worth and status, and the move of the company's registry to another home port. Amounts are
// k$; the amount dialogs take entries in units of 1000 $ and have no cancel: an entry of 0 leaves
// without effect.
#pragma once

#include <cstdint>

struct Ship;
struct Shipowner;

// The bank screen with its five actions, until OK.
void bank_action_menu(int32_t player);
// The ship list in mode 0 (raise) or 1 (pay off), until "  no"; a ship chosen with OK opens its
// amount dialog.
void mortgage_ship_list(int32_t player, Shipowner* owner, int32_t mode);
void raise_mortgage_menu(int32_t player, Shipowner* owner);
void pay_off_mortgage_menu(int32_t player, Shipowner* owner);
void raise_mortgage_dialog(int32_t player, Shipowner* owner, Ship* ship);
void pay_off_mortgage_dialog(int32_t player, Shipowner* owner, Ship* ship);
void obtain_credit_dialog(int32_t player, Shipowner* owner);
void repay_credit_dialog(int32_t player, Shipowner* owner);
// The change of register: the question, then the penalty or the home-port picker and the fee.
void change_home_port(int32_t player);

// The bank's arithmetic, each division truncating.
// What more the ship can carry: 90 % of its broker value, times 60 % (models 1..3), 50 % (4, 5)
// or 0 (6, 7), less the mortgage on it already.
int32_t mortgage_maximum(const Ship* ship);
// The share in percent of the net worth that the bank lends at the status: 0 below 3.
int32_t credit_share(int32_t status);
// The fee of moving the registry: 1000 per ship plus 100.
int32_t home_port_fee(const Shipowner* owner);
