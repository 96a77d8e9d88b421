#include "ui/fonts.h"

Font g_font_sys8 = {};
Font g_font_sys13 = {};
Font g_font_sys7b = {};
Font g_font_sys8b = {};
