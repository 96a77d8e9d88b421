// The shipowner's names as the letters and screens show them.
#pragma once

struct Shipowner;

// The personal name ("" for no shipowner).
const char* shipowner_name(const Shipowner* shipowner);
