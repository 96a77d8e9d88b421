#include "host/host_texts.h"

const char* const g_product_name = "Marivane";
const char* const g_product_version = MARIVANE_VERSION;
const char* const g_window_title = "Marivane " MARIVANE_VERSION;
const char* const g_about_title = "About Marivane";
const char* const g_about_lines[4] = {
    ("Marivane version " MARIVANE_VERSION),
    "Written by the Marivane crew",
    "Ships, ports, pictures and sounds",
    "made for this game",
};
const char* const g_instructions_title = "Instructions";
const char* const g_instructions_picture_file = "instructions.bmp";
