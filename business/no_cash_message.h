// The refusal of a purchase the shipowner's cash does not cover.
#pragma once

void show_no_cash_message();
