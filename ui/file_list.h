// The file requester's list: the disk files that match its drawer pattern, one node each, shown
// five at a time in the slot texts.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/gadget.h"

constexpr int32_t FILE_SLOTS = 5;

struct FileListNode {
    FileListNode* next;
    char name[256];
};

extern FileListNode* g_file_list;  // null = empty; the reverse of the directory search's order
extern int32_t g_file_count;       // files listed (the requester raises it to at least 5)
extern GadgetText g_file_slot_texts[FILE_SLOTS];
// Where list nodes come from (the tests make it fail); a null result ends the listing there.
extern void* (*g_file_node_alloc)(size_t size);

// Lists the plain files matching pattern ("games\*.trp"); directories and system files never.
void file_list_build(const char* pattern);
// Frees every node; the slot texts are emptied, since they point into the nodes.
void file_list_free();
// Slot i shows node first + i, or nothing past the end; the slot rows are cleared in colour 7.
void file_list_show_from(int32_t first);
