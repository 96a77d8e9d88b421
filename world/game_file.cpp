#include "world/game_file.h"

#include <cstdio>
#include <cstring>

#include "engine/timing.h"
#include "world/game_file_codec.h"
#include "host/platform.h"

const char GAME_FILE_ID_CURRENT[33] = "TWX  MRV  2.0 SAVE 2003 Tarnholm";
const char GAME_FILE_ID_OLD[33] = "TWX  MRV  2.0 SAVE 1994 Tarnholm";

namespace {

constexpr uint8_t kIdEnd = 0x1A;
constexpr char kTrailer[8] = "--TWX--";
constexpr uint32_t kChecksumStart = 140557;
constexpr uint32_t kChecksumFactor = 174321;
constexpr uint32_t kChecksumStep = 1234;
constexpr uint32_t kChecksumMask = 0xFFA4;

uint32_t checksum_next(uint32_t c) {
    return c * kChecksumFactor + kChecksumStep;
}

uint32_t checksum_add(uint32_t c, const Shipowner* owner) {
    uint32_t sum = static_cast<uint32_t>(owner->status) + static_cast<uint32_t>(owner->cash);
    return checksum_next(c) + (sum ^ kChecksumMask);
}

// ---- Writing ----------------------------------------------------------------------------------

struct Writer {
    int32_t handle;
    bool ok;
};

void write_bytes(Writer* w, const void* data, uint32_t count) {
    if (w->ok && dos_write(w->handle, data, count) != static_cast<int32_t>(count)) w->ok = false;
}

void write_u8(Writer* w, uint8_t v) {
    write_bytes(w, &v, 1);
}

void write_u32(Writer* w, uint32_t v) {
    uint8_t bytes[4];
    put_u32(bytes, v);
    write_bytes(w, bytes, 4);
}

void write_i32(Writer* w, int32_t v) {
    write_u32(w, static_cast<uint32_t>(v));
}

void write_game(Writer* w) {
    write_bytes(w, GAME_FILE_ID_CURRENT, GAME_FILE_ID_SIZE);
    write_u8(w, kIdEnd);
    write_u8(w, static_cast<uint8_t>(g_difficulty));
    write_i32(w, g_difficulty_allowance);
    write_u8(w, static_cast<uint8_t>(g_shipowner_count));
    int32_t now = 0;
    seconds_since_start(&now);
    write_i32(w, game_file_time_left(now));
    write_i32(w, g_game_spare);
    write_i32(w, g_day);
    write_i32(w, g_freight_index);
    write_i32(w, g_ship_price_index);
    write_i32(w, g_daily_phase);
    write_bytes(w, g_office_style, SHIPOWNER_MAX);
    write_i32(w, g_sim_mode);

    uint32_t checksum = kChecksumStart;
    for (int32_t i = 0; i < g_shipowner_count && i < SHIPOWNER_MAX; ++i) {
        const Shipowner* owner = &g_shipowners[i];
        uint8_t image[SHIPOWNER_IMAGE_SIZE];
        shipowner_to_image(owner, image);
        write_bytes(w, image, SHIPOWNER_IMAGE_SIZE);
        checksum = checksum_add(checksum, owner);
        for (const Ship* ship = owner->ships; ship != nullptr; ship = ship->next) {
            uint8_t ship_image[SHIP_IMAGE_SIZE];
            ship_to_image(ship, ship_image);
            write_bytes(w, ship_image, SHIP_IMAGE_SIZE);
        }
    }
    write_u32(w, checksum_next(checksum));
    write_bytes(w, kTrailer, sizeof kTrailer);
}

// The name the save is written under until it is complete.
void temporary_name(const char* path, char* out, size_t size) {
    std::snprintf(out, size, "%s.new", path);
}

// ---- Reading ----------------------------------------------------------------------------------

struct Reader {
    int32_t handle;
};

bool read_bytes(Reader* r, void* data, uint32_t count) {
    return dos_read(r->handle, data, count) == static_cast<int32_t>(count);
}

bool read_u8(Reader* r, uint8_t* v) {
    return read_bytes(r, v, 1);
}

bool read_i8(Reader* r, int8_t* v) {
    uint8_t b;
    if (!read_bytes(r, &b, 1)) return false;
    *v = static_cast<int8_t>(b);
    return true;
}

bool read_u32(Reader* r, uint32_t* v) {
    uint8_t bytes[4];
    if (!read_bytes(r, bytes, 4)) return false;
    *v = get_u32(bytes);
    return true;
}

bool read_i32(Reader* r, int32_t* v) {
    uint32_t u;
    if (!read_u32(r, &u)) return false;
    *v = static_cast<int32_t>(u);
    return true;
}

bool office_styles_sound(const uint8_t* styles) {
    uint32_t seen = 0;
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) {
        if (styles[i] >= SHIPOWNER_MAX) return false;
        seen |= 1u << styles[i];
    }
    return seen == (1u << SHIPOWNER_MAX) - 1;
}

// A game as read from a file, held apart from the game in progress until the whole file has been
// found good.
struct ReadGame {
    int8_t difficulty;
    int32_t difficulty_allowance;
    int8_t count;
    int32_t playing_duration;
    int32_t game_spare;
    int32_t day;
    int32_t freight_index;
    int32_t ship_price_index;
    int32_t daily_phase;
    uint8_t office_style[SHIPOWNER_MAX];
    int32_t sim_mode;
    Shipowner owners[SHIPOWNER_MAX];
};

// The game-wide values after the identification text; false when the file ends or a value is one
// the game cannot use.
bool read_header(Reader* r, bool current, ReadGame* g) {
    uint8_t id_end;
    if (!read_u8(r, &id_end)) return false;
    if (!read_i8(r, &g->difficulty) || !read_i32(r, &g->difficulty_allowance) || !read_i8(r, &g->count))
        return false;
    if (!read_i32(r, &g->playing_duration) || !read_i32(r, &g->game_spare) || !read_i32(r, &g->day))
        return false;
    if (!read_i32(r, &g->freight_index) || !read_i32(r, &g->ship_price_index) ||
        !read_i32(r, &g->daily_phase))
        return false;
    if (!read_bytes(r, g->office_style, SHIPOWNER_MAX) || !office_styles_sound(g->office_style)) return false;
    g->sim_mode = 0;
    if (current && !read_i32(r, &g->sim_mode)) return false;
    return g->count >= 0 && g->count <= SHIPOWNER_MAX && g->difficulty >= 1 && g->difficulty <= 3;
}

// One shipowner and its ships, read into owner. A ship block is allocated only once its whole
// image has been read and found sound; the blocks already linked stay on owner->ships.
int32_t read_shipowner(Reader* r, Shipowner* owner) {
    uint8_t image[SHIPOWNER_IMAGE_SIZE];
    if (!read_bytes(r, image, SHIPOWNER_IMAGE_SIZE)) return GAME_LOAD_BAD_ID;
    int32_t more = shipowner_from_image(image, owner);
    if (!shipowner_is_sound(owner)) return GAME_LOAD_BAD_ID;
    Ship** link = &owner->ships;
    while (more) {
        uint8_t ship_image[SHIP_IMAGE_SIZE];
        if (!read_bytes(r, ship_image, SHIP_IMAGE_SIZE)) return GAME_LOAD_BAD_ID;
        Ship read;
        more = ship_from_image(ship_image, &read);
        if (!ship_is_sound(&read)) return GAME_LOAD_BAD_ID;
        Ship* ship = new_ship();
        if (ship == nullptr) return GAME_LOAD_NO_MEMORY;
        *ship = read;
        *link = ship;
        link = &ship->next;
    }
    return GAME_LOAD_OK;
}

int32_t read_game(Reader* r, ReadGame* g) {
    char id[GAME_FILE_ID_SIZE + 1];
    if (!read_bytes(r, id, GAME_FILE_ID_SIZE)) return GAME_LOAD_BAD_ID;
    id[GAME_FILE_ID_SIZE] = '\0';
    bool current;
    if (std::strcmp(id, GAME_FILE_ID_OLD) == 0) {
        current = false;
    } else if (std::strcmp(id, GAME_FILE_ID_CURRENT) == 0) {
        current = true;
    } else {
        return GAME_LOAD_BAD_ID;
    }
    if (!read_header(r, current, g)) return GAME_LOAD_BAD_ID;

    uint32_t checksum = kChecksumStart;
    for (int32_t i = 0; i < g->count; ++i) {
        int32_t result = read_shipowner(r, &g->owners[i]);
        if (result != GAME_LOAD_OK) return result;
        checksum = checksum_add(checksum, &g->owners[i]);
    }
    uint32_t stored;
    char trailer[sizeof kTrailer];
    if (!read_u32(r, &stored) || !read_bytes(r, trailer, sizeof trailer)) return GAME_LOAD_BAD_ID;
    if (stored != checksum_next(checksum)) return GAME_LOAD_BAD_CRC;
    return GAME_LOAD_OK;
}

void free_read_ships(ReadGame* g) {
    for (Shipowner& owner : g->owners) free_ships(&owner);
}

// The read game becomes the game in progress. The ships of the old game are freed; shipowner
// records beyond the file's count keep their old values without ships.
void take_read_game(ReadGame* g) {
    free_all_ships(SHIPOWNER_MAX);
    g_difficulty = g->difficulty;
    g_difficulty_allowance = g->difficulty_allowance;
    g_playing_duration = g->playing_duration;
    g_game_spare = g->game_spare;
    g_day = g->day;
    g_freight_index = g->freight_index;
    g_ship_price_index = g->ship_price_index;
    g_daily_phase = g->daily_phase;
    std::memcpy(g_office_style, g->office_style, SHIPOWNER_MAX);
    g_sim_mode = g->sim_mode;
    for (int32_t i = 0; i < g->count; ++i) {
        g_shipowners[i] = g->owners[i];
        g->owners[i].ships = nullptr;
    }
    g_shipowner_count = g->count;
}

}  // namespace

uint32_t game_file_checksum(const Shipowner* owners, int32_t count) {
    uint32_t c = kChecksumStart;
    for (int32_t i = 0; i < count; ++i) c = checksum_add(c, &owners[i]);
    return checksum_next(c);
}

int32_t game_file_time_left(int32_t now_seconds) {
    if (g_playing_duration <= 0) return g_playing_duration;
    uint32_t played = static_cast<uint32_t>(now_seconds) - static_cast<uint32_t>(g_game_start_time);
    int32_t left = static_cast<int32_t>(static_cast<uint32_t>(g_playing_duration) - played);
    return left < GAME_FILE_MIN_TIME_LEFT ? GAME_FILE_MIN_TIME_GIVEN : left;
}

int32_t save_game_file(const char* path) {
    char temp[256];
    temporary_name(path, temp, sizeof temp);
    // What a save killed half way left under the temporary name goes first: the new file is made
    // afresh, never written through whatever stands there.
    dos_unlink(temp);
    Writer w{dos_open(temp, DOS_O_WRONLY | DOS_O_CREAT | DOS_O_EXCL | DOS_O_BINARY), true};
    if (w.handle < 0) return GAME_SAVE_FAILED;
    write_game(&w);
    // The new file is on disk before it takes the old one's name, so that a crash of the machine
    // leaves one whole game or the other.
    bool synced = w.ok && dos_commit(w.handle) == 0;
    bool closed = dos_close(w.handle) == 0;
    if (!synced || !closed || dos_rename(temp, path) != 0) {
        dos_unlink(temp);
        return GAME_SAVE_FAILED;
    }
    return GAME_SAVE_OK;
}

// The file is read whole into a ReadGame; the game in progress is replaced only when every part
// of it is good, so a damaged file leaves the game as it was.
int32_t load_game_file(const char* path) {
    Reader r{dos_open(path, DOS_O_RDONLY | DOS_O_BINARY)};
    if (r.handle < 0) return GAME_LOAD_NOT_FOUND;
    ReadGame read{};
    int32_t result = read_game(&r, &read);
    dos_close(r.handle);
    if (result != GAME_LOAD_OK) {
        free_read_ships(&read);
        return result;
    }
    take_read_game(&read);
    seconds_since_start(&g_game_start_time);
    return GAME_LOAD_OK;
}
