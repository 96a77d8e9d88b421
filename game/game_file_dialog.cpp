#include "game/game_file_dialog.h"

#include <cstring>

#include "world/game_file.h"
#include "game/main_procedure.h"
#include "lang/lang.h"
#include "ui/game_file_name.h"
#include "ui/requester.h"

namespace {

constexpr int32_t kBoxKind = 1;
constexpr char kExtension[] = ".trp";

// Asks for a file name with the title; true when one was chosen (it then ends in ".trp").
bool ask_name(TextId title) {
    const char* lines[] = {lang_text(title), nullptr};
    g_game_file_name[0] = '\0';
    ask_game_file_name(lines);
    if (g_game_file_name[0] == '\0') return false;
    size_t n = std::strlen(g_game_file_name);
    if (n + sizeof kExtension > sizeof g_game_file_name) n = sizeof g_game_file_name - sizeof kExtension;
    std::memcpy(g_game_file_name + n, kExtension, sizeof kExtension);
    return true;
}

void show_message(const char* text) {
    const char* lines[] = {text, nullptr};
    message_box(lines, kBoxKind);
}

}  // namespace

const char* game_load_message(int32_t result) {
    switch (result) {
        case GAME_LOAD_NOT_FOUND:
            return lang_text(TXT_LOAD_NOT_FOUND);
        case GAME_LOAD_BAD_ID:
            return lang_text(TXT_LOAD_BAD_ID);
        case GAME_LOAD_NO_MEMORY:
            return lang_text(TXT_LOAD_NO_MEMORY);
        case GAME_LOAD_BAD_CRC:
            return lang_text(TXT_LOAD_BAD_CRC);
        default:
            return nullptr;
    }
}

int32_t load_game_dialog() {
    const char* question[] = {lang_text(TXT_LOAD_QUESTION_1), lang_text(TXT_LOAD_QUESTION_2), nullptr};
    if (ask_yes_no(question, lang_text(TXT_LOAD_YES), lang_text(TXT_LOAD_NO), kBoxKind) != 1) return 3;
    // The game in progress keeps its file name unless another game replaces it.
    char kept[sizeof g_game_file_name];
    std::memcpy(kept, g_game_file_name, sizeof kept);
    if (!ask_name(TXT_LOAD_TITLE)) {
        std::memcpy(g_game_file_name, kept, sizeof kept);
        return 3;
    }
    int32_t result = load_game_file(g_game_file_name);
    if (result != GAME_LOAD_OK) std::memcpy(g_game_file_name, kept, sizeof kept);
    if (const char* message = game_load_message(result)) show_message(message);
    return result;
}

void save_game_dialog() {
    if (g_game_file_name[0] == '\0' && !ask_name(TXT_SAVE_TITLE)) return;
    if (save_game_file(g_game_file_name) != GAME_SAVE_OK) show_message(lang_text(TXT_SAVE_FAILED));
}
