// The generators of the game's data files, each writing its files into dir. Each returns 0 on
// success and prints what went wrong and returns non-zero otherwise.
#pragma once

#include <string>

int write_fonts(const std::string& dir);          // sys8.fnt, sys13.fnt, sys7b.fnt, sys8b.fnt
int write_picture_files(const std::string& dir);  // IB1VGA.DAT, IB2VGA.DAT
int write_sound_library(const std::string& dir);  // sounds.dat
int write_instructions(const std::string& dir);   // the instructions picture of the Help menu
