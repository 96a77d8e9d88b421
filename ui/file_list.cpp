#include "ui/file_list.h"

#include <cstdlib>
#include <cstring>

#include "engine/draw.h"
#include "host/platform.h"

FileListNode* g_file_list = nullptr;
int32_t g_file_count = 0;
GadgetText g_file_slot_texts[FILE_SLOTS] = {
    {0, 0, 0, 0, 1, nullptr, "", nullptr}, {0, 0, 0, 0, 1, nullptr, "", nullptr},
    {0, 0, 0, 0, 1, nullptr, "", nullptr}, {0, 0, 0, 0, 1, nullptr, "", nullptr},
    {0, 0, 0, 0, 1, nullptr, "", nullptr},
};
void* (*g_file_node_alloc)(size_t size) = std::malloc;

void file_list_build(const char* pattern) {
    g_file_count = 0;
    g_file_list = nullptr;
    DosFind find;
    if (dos_findfirst(pattern, DOS_A_NORMAL, &find) != 0) return;
    do {
        if (find.attrib & (DOS_A_SUBDIR | DOS_A_SYSTEM)) continue;
        auto* node = static_cast<FileListNode*>(g_file_node_alloc(sizeof(FileListNode)));
        if (node == nullptr) {
            dos_findclose(&find);
            return;
        }
        std::memcpy(node->name, find.name, sizeof node->name);
        node->name[sizeof node->name - 1] = '\0';
        node->next = g_file_list;
        g_file_list = node;
        ++g_file_count;
    } while (dos_findnext(&find) == 0);
}

void file_list_free() {
    while (g_file_list != nullptr) {
        FileListNode* next = g_file_list->next;
        std::free(g_file_list);
        g_file_list = next;
    }
    for (GadgetText& slot : g_file_slot_texts) slot.text = "";
}

void file_list_show_from(int32_t first) {
    const FileListNode* node = g_file_list;
    for (int32_t i = 0; i < first && node != nullptr; ++i) node = node->next;
    for (int32_t i = 0; i < FILE_SLOTS; ++i) {
        g_file_slot_texts[i].text = node != nullptr ? node->name : "";
        if (node != nullptr) node = node->next;
        set_draw_color(7);
        fill_rect(10, 30 + 10 * i, 280, 38 + 10 * i);
    }
}
