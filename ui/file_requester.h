// The file requester: a modal box listing the files that match a drawer pattern in five slots with
// a slider, a drawer field and a file field. It takes over the gadget list while it is open.
#pragma once

#include <cstdint>

enum : uint16_t {
    FILE_REQ_OK = 30401,
    FILE_REQ_CANCEL = 30402,
    FILE_REQ_SLIDER = 30403,
    FILE_REQ_DRAWER = 30405,
    FILE_REQ_SLOT_0 = 30406,  // slots 0..4 are 30406..30410
    FILE_REQ_FILE = 30411,
};

constexpr int32_t FILE_FIELD_SIZE = 13;      // 12 characters
constexpr int32_t DRAWER_FIELD_SIZE = 78;    // 77 characters
constexpr int32_t FILE_REQUESTER_PATH_SIZE = 128;

// file_buf (FILE_FIELD_SIZE bytes) and drawer_buf (DRAWER_FIELD_SIZE bytes, also the pattern
// listed) are edited in place. path_out (FILE_REQUESTER_PATH_SIZE bytes) receives the drawer's
// drive and directory followed by the file name, on Cancel too. 1 for OK, 0 for Cancel.
int32_t file_requester(const char* title, char* file_buf, char* drawer_buf, char* path_out);
