#include "world/cargoes.h"

// Columns: name, freight rate, extra wear %, offer chance %.
// clang-format off
const CargoType g_cargo_table[CARGO_COUNT + 1] = {
    {TXT_WORLD_NONE, 0, 0, 0},
    {TXT_CARGO_AGRIC_PRODUCE, 25, 0, 90},
    {TXT_CARGO_NF_METALS, 20, 0, 70},
    {TXT_CARGO_METALWARE, 22, 0, 75},
    {TXT_CARGO_MACHINERY, 35, 0, 65},
    {TXT_CARGO_ELECTRONICS, 50, 0, 45},
    {TXT_CARGO_CHEMICALS, 42, 100, 55},
    {TXT_CARGO_PLASTICS, 36, 10, 40},
    {TXT_CARGO_TEXTILES, 26, 0, 99},
    {TXT_CARGO_ARMS, 70, 0, 20},
    {TXT_CARGO_BALLAST, 0, 0, 100},
};
// clang-format on

const char* cargo_name(int32_t row) {
    if (row < 0 || row > CARGO_COUNT) return "";
    return lang_text(g_cargo_table[row].name);
}
