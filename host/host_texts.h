// The window's own texts: its title, the menu, and the About box. They are the same in every
// language build.
#pragma once

#include <cstdint>

// The window menu's commands.
enum : int32_t { MENU_ABOUT = 104, MENU_QUIT = 105, MENU_INSTRUCTIONS = 110 };

extern const char* const g_product_name;      // "Marivane"
extern const char* const g_product_version;   // the project's version, from the build
extern const char* const g_window_title;      // product name and version
extern const char* const g_about_title;       // "About Marivane"
extern const char* const g_about_lines[4];    // product name and version, then the three credits
extern const char* const g_instructions_title;  // "Instructions"
extern const char* const g_instructions_picture_file;  // the picture the Instructions box shows
