// The picture review pages of the screens tool.
#pragma once

#include <cstdint>
#include <filesystem>

// <out>/pictures/picture_01.png .. picture_45.png and contact_sheet.png; 1 on success.
int32_t screens_write_pictures(const std::filesystem::path& out);
