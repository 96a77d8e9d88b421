// Everything the game needs of the machine, and nothing else.
//
// Two implementations link in its place: the SDL window host (the real window, clock and sound)
// and the headless host used by the tests (a virtual clock and scripted input). Game-thread code
// cannot tell the two apart. The DOS-style file layer is shared by both.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- Time -------------------------------------------------------------------------------------

// Milliseconds since the program started, from a monotonic clock.
uint32_t platform_clock_ms();
// Sleep for at least ms milliseconds.
void platform_sleep_ms(uint32_t ms);
// Sleep until platform_clock_ms() has reached deadline_ms (returns at once when it has).
void platform_sleep_until(uint32_t deadline_ms);
// End the process with a status, wherever the game thread is.
[[noreturn]] void platform_exit(int32_t status);

// ---- The player -------------------------------------------------------------------------------

// One line telling the player why the game cannot start ("The font sys13.fnt is missing."). When
// the game then ends with a status other than 0, the window shows the lines in a box of its own
// drawing (the game's fonts may be what is missing) and the program ends once it is closed.
void platform_report_start_failure(const char* line);

// ---- The single sound voice -------------------------------------------------------------------

// Samples are unsigned 8-bit mono at 8363 per second. Starting a sound ends the one before.
// The voice plays the buffer (length bytes) loops times in a row (a loop count of 0 plays it once).
// The buffer must stay valid until the voice is reset or reports done.
int32_t platform_voice_open();  // 1 when a sound device could be opened, else 0
void platform_voice_close();
void platform_voice_start(const uint8_t* samples, uint32_t length, uint32_t loops);
void platform_voice_reset();
int32_t platform_voice_done();  // 1 when nothing is playing

// ---- DOS-style files --------------------------------------------------------------------------
//
// Names use '\' (or '/') as separator and are matched against the directory without regard to
// case, so "games\SAVE1.TRP" finds "games/save1.trp". A name with a drive letter ("B:\x") names
// a drive that does not exist here and is never found.

enum : int32_t {
    DOS_O_RDONLY = 0x0000,
    DOS_O_WRONLY = 0x0001,
    DOS_O_RDWR = 0x0002,
    DOS_O_CREAT = 0x0100,
    DOS_O_TRUNC = 0x0200,
    DOS_O_EXCL = 0x0400,
    DOS_O_BINARY = 0x8000,  // files are always binary; accepted for the callers' sake
};
enum : int32_t { DOS_SEEK_SET = 0, DOS_SEEK_CUR = 1, DOS_SEEK_END = 2 };
enum : int32_t { DOS_F_OK = 0, DOS_W_OK = 2, DOS_R_OK = 4 };

int32_t dos_open(const char* name, int32_t flags);  // a handle >= 0, or -1
int32_t dos_read(int32_t handle, void* buffer, uint32_t count);         // bytes read, or -1
int32_t dos_write(int32_t handle, const void* buffer, uint32_t count);  // bytes written, or -1
int32_t dos_lseek(int32_t handle, int32_t offset, int32_t whence);      // new position, or -1
int32_t dos_close(int32_t handle);                                      // 0, or -1
int32_t dos_unlink(const char* name);                                   // 0, or -1
int32_t dos_access(const char* name, int32_t mode);                     // 0 when allowed, or -1
int32_t dos_mkdir(const char* name);                                    // 0, or -1
int32_t dos_rename(const char* from, const char* to);                   // 0, or -1 (replaces 'to')
int32_t dos_commit(int32_t handle);  // 0 once the file's data is on disk (fsync), or -1

// Directory search with '*' and '?' patterns ("games\*.trp"), matched without regard to case.
enum : uint32_t { DOS_A_NORMAL = 0x00, DOS_A_HIDDEN = 0x02, DOS_A_SYSTEM = 0x04, DOS_A_SUBDIR = 0x10 };
struct DosFind {
    char name[256];   // the entry's own name, without the directory part
    uint32_t attrib;  // DOS_A_SUBDIR for a directory, else DOS_A_NORMAL
    uint32_t size;
    void* state;  // the search in progress; null once it has ended
};
// Finds the first entry matching pattern. Plain files only unless attrib has DOS_A_SUBDIR; hidden
// and system entries (names starting with '.', devices, sockets) are never listed.
// 0 when found, -1 when none (the search is then closed).
int32_t dos_findfirst(const char* pattern, uint32_t attrib, DosFind* find);
int32_t dos_findnext(DosFind* find);  // 0 when found, -1 at the end (the search is then closed)
void dos_findclose(DosFind* find);    // ends a search early; harmless when it has ended

// Splits "X:\dir\name.ext" into its drive ("X:"), directory ("\dir\"), name and extension
// (".ext"); each out-buffer may be null and holds at most the given size including the NUL.
enum : uint32_t { DOS_MAX_DRIVE = 3, DOS_MAX_DIR = 256, DOS_MAX_FNAME = 256, DOS_MAX_EXT = 256 };
void dos_splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);

// The real path on this machine that a DOS-style name resolves to (for tests and messages).
// Returns 0 and fills out (size bytes) when every directory of the path exists; the last part is
// matched case-insensitively when an entry exists, else kept as written.
int32_t dos_resolve(const char* name, char* out, size_t size);
