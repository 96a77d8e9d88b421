// The instructions page of the Instructions box, read through the game's own file layer (plain
// files only, so a pipe or a device in its place cannot hold the window up) and decoded only when
// its header says it is the page: a damaged file costs neither time nor memory, and the box then
// says that the page is damaged.
#include <cstring>
#include <vector>

#include "host/host_texts.h"
#include "host/instructions_page.h"
#include "host/platform.h"
#include "host/sdl_window.h"

namespace {

const char* const kMissing = "The instructions page instructions.bmp is missing.";
const char* const kDamaged = "The instructions page instructions.bmp is damaged.";

// The whole file, or empty with *note set.
std::vector<uint8_t> read_page(const char** note) {
    std::vector<uint8_t> bytes;
    int32_t h = dos_open(g_instructions_picture_file, DOS_O_RDONLY | DOS_O_BINARY);
    if (h < 0) {
        // Something that is not a plain file (a pipe, a folder) by that name is no page either.
        *note = dos_access(g_instructions_picture_file, DOS_F_OK) == 0 ? kDamaged : kMissing;
        return bytes;
    }
    int32_t size = dos_lseek(h, 0, DOS_SEEK_END);
    *note = kDamaged;
    if (size > 0 && static_cast<uint32_t>(size) <= INSTRUCTIONS_PAGE_MAX_BYTES && dos_lseek(h, 0, DOS_SEEK_SET) == 0) {
        bytes.resize(static_cast<size_t>(size));
        if (dos_read(h, bytes.data(), static_cast<uint32_t>(size)) != size) bytes.clear();
    }
    dos_close(h);
    return bytes;
}

}  // namespace

void host_load_instructions_page() {
    g_host.picture.clear();
    g_host.picture_note = nullptr;
    const char* note = nullptr;
    std::vector<uint8_t> bytes = read_page(&note);
    if (bytes.empty() || instructions_page_header_ok(bytes.data(), bytes.size()) == 0) {
        g_host.picture_note = note;
        return;
    }
    SDL_Surface* bmp = SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    SDL_Surface* argb = bmp != nullptr ? SDL_ConvertSurfaceFormat(bmp, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    if (bmp != nullptr) SDL_FreeSurface(bmp);
    if (argb == nullptr || argb->w != INSTRUCTIONS_PICTURE_WIDTH || argb->h != INSTRUCTIONS_PICTURE_HEIGHT) {
        if (argb != nullptr) SDL_FreeSurface(argb);
        g_host.picture_note = kDamaged;
        return;
    }
    g_host.picture.resize(static_cast<size_t>(argb->w) * static_cast<size_t>(argb->h));
    for (int y = 0; y < argb->h; ++y)
        std::memcpy(&g_host.picture[static_cast<size_t>(y * argb->w)],
                    static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch, static_cast<size_t>(argb->w) * 4);
    SDL_FreeSurface(argb);
}
