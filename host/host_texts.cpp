#include "host/host_texts.h"

#ifndef MARIVANE_VERSION
#define MARIVANE_VERSION "0.0.0"
#endif

const char* const g_product_name = "Marivane";
const char* const g_product_version = MARIVANE_VERSION;
const char* const g_window_title = "Marivane " MARIVANE_VERSION;
const char* const g_about_title = "Info";
const char* const g_about_lines[4] = {
    ("Marivane version " MARIVANE_VERSION),
    "Written by the Marivane crew",
    "Ships, ports, pictures and sounds made for this game",
    "www.marivane.example",
};
const char* const g_instructions_title = "Dialog";
const char* const g_instructions_picture_file = "instructions.bmp";
