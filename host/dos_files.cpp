// The DOS-style file layer on top of POSIX: '\' separators, names matched without regard to case,
// '*'/'?' directory search and path split. Shared by the window host and the headless host.
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/platform.h"

namespace {

bool has_drive(const char* name) { return std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':'; }

// Finds the entry of dir whose name equals part without regard to case; an exact match wins.
bool match_entry(const std::string& dir, const std::string& part, std::string* found) {
    struct stat st;
    std::string exact = dir.empty() ? part : dir + "/" + part;
    if (lstat(exact.c_str(), &st) == 0) {
        *found = part;
        return true;
    }
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr) return false;
    bool ok = false;
    while (dirent* e = readdir(d)) {
        if (strcasecmp(e->d_name, part.c_str()) == 0) {
            *found = e->d_name;
            ok = true;
            break;
        }
    }
    closedir(d);
    return ok;
}

// Turns a DOS-style name into a path of this machine. Every directory part must exist (matched
// without regard to case); the last part is matched when an entry exists, else kept as written.
bool resolve(const char* name, std::string* out) {
    if (name == nullptr || name[0] == '\0' || has_drive(name)) return false;
    std::string path;
    const char* p = name;
    if (*p == '\\' || *p == '/') {
        path = "/";
        while (*p == '\\' || *p == '/') ++p;
    }
    std::string dir = path == "/" ? "/" : "";
    while (*p != '\0') {
        const char* q = p;
        while (*q != '\0' && *q != '\\' && *q != '/') ++q;
        std::string part(p, static_cast<size_t>(q - p));
        bool last = true;
        const char* r = q;
        while (*r == '\\' || *r == '/') ++r;
        if (*r != '\0') last = false;
        std::string found;
        if (part == "." || part == "..") {
            found = part;
        } else if (!match_entry(dir == "/" ? "/" : dir, part, &found)) {
            if (!last) return false;
            found = part;
        }
        if (dir.empty()) {
            dir = found;
        } else if (dir == "/") {
            dir = "/" + found;
        } else {
            dir += "/" + found;
        }
        p = r;
    }
    *out = dir.empty() ? std::string(".") : dir;
    return true;
}

bool wildcard_match(const char* pattern, const char* name) {
    // Iterative '*' matching with one backtrack point: linear in practice, no recursion.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name != '\0') {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' ||
                   std::tolower(static_cast<unsigned char>(*pattern)) ==
                       std::tolower(static_cast<unsigned char>(*name))) {
            ++pattern;
            ++name;
        } else if (star != nullptr) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

struct FindState {
    DIR* dir;
    std::string path;     // directory on this machine
    std::string pattern;  // the name part of the pattern
    uint32_t attrib;
};

void copy_out(char* dst, size_t size, const char* begin, const char* end) {
    if (dst == nullptr || size == 0) return;
    size_t n = static_cast<size_t>(end - begin);
    if (n >= size) n = size - 1;
    std::memcpy(dst, begin, n);
    dst[n] = '\0';
}

}  // namespace

int32_t dos_resolve(const char* name, char* out, size_t size) {
    std::string path;
    if (!resolve(name, &path)) return -1;
    copy_out(out, size, path.data(), path.data() + path.size());
    return 0;
}

int32_t dos_open(const char* name, int32_t flags) {
    std::string path;
    if (!resolve(name, &path)) return -1;
    int mode = O_RDONLY;
    if ((flags & 3) == DOS_O_WRONLY) mode = O_WRONLY;
    if ((flags & 3) == DOS_O_RDWR) mode = O_RDWR;
    if (flags & DOS_O_CREAT) mode |= O_CREAT;
    if (flags & DOS_O_TRUNC) mode |= O_TRUNC;
    if (flags & DOS_O_EXCL) mode |= O_EXCL;
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return -1;  // only plain files
    int fd = ::open(path.c_str(), mode | O_CLOEXEC, 0644);
    return fd < 0 ? -1 : fd;
}

int32_t dos_read(int32_t handle, void* buffer, uint32_t count) {
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::read(handle, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return done > 0 ? static_cast<int32_t>(done) : -1;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return static_cast<int32_t>(done);
}

int32_t dos_write(int32_t handle, const void* buffer, uint32_t count) {
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(handle, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return done > 0 ? static_cast<int32_t>(done) : -1;
        done += static_cast<size_t>(n);
    }
    return static_cast<int32_t>(done);
}

int32_t dos_lseek(int32_t handle, int32_t offset, int32_t whence) {
    int w = whence == DOS_SEEK_CUR ? SEEK_CUR : whence == DOS_SEEK_END ? SEEK_END : SEEK_SET;
    off_t r = ::lseek(handle, offset, w);
    if (r < 0 || r > INT32_MAX) return -1;
    return static_cast<int32_t>(r);
}

int32_t dos_close(int32_t handle) { return ::close(handle) == 0 ? 0 : -1; }

int32_t dos_commit(int32_t handle) { return ::fsync(handle) == 0 ? 0 : -1; }

int32_t dos_unlink(const char* name) {
    std::string path;
    if (!resolve(name, &path)) return -1;
    return ::unlink(path.c_str()) == 0 ? 0 : -1;
}

int32_t dos_access(const char* name, int32_t mode) {
    std::string path;
    if (!resolve(name, &path)) return -1;
    int m = F_OK;
    if (mode & DOS_W_OK) m |= W_OK;
    if (mode & DOS_R_OK) m |= R_OK;
    return ::access(path.c_str(), m) == 0 ? 0 : -1;
}

int32_t dos_mkdir(const char* name) {
    std::string path;
    if (!resolve(name, &path)) return -1;
    return ::mkdir(path.c_str(), 0755) == 0 ? 0 : -1;
}

int32_t dos_rename(const char* from, const char* to) {
    std::string a, b;
    if (!resolve(from, &a) || !resolve(to, &b)) return -1;
    return ::rename(a.c_str(), b.c_str()) == 0 ? 0 : -1;
}

int32_t dos_findnext(DosFind* find) {
    auto* s = static_cast<FindState*>(find->state);
    if (s == nullptr) return -1;
    while (dirent* e = readdir(s->dir)) {
        if (e->d_name[0] == '.') continue;  // hidden, and the . and .. entries
        if (!wildcard_match(s->pattern.c_str(), e->d_name)) continue;
        std::string full = s->path + "/" + e->d_name;
        struct stat st;
        if (stat(full.c_str(), &st) != 0) continue;
        bool is_dir = S_ISDIR(st.st_mode);
        if (!is_dir && !S_ISREG(st.st_mode)) continue;  // devices, sockets: system entries
        if (is_dir && !(s->attrib & DOS_A_SUBDIR)) continue;
        size_t n = std::strlen(e->d_name);
        copy_out(find->name, sizeof find->name, e->d_name, e->d_name + n);
        find->attrib = is_dir ? DOS_A_SUBDIR : DOS_A_NORMAL;
        find->size = st.st_size > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(st.st_size);
        return 0;
    }
    dos_findclose(find);
    return -1;
}

int32_t dos_findfirst(const char* pattern, uint32_t attrib, DosFind* find) {
    find->state = nullptr;
    find->name[0] = '\0';
    if (pattern == nullptr || has_drive(pattern)) return -1;
    const char* slash = nullptr;
    for (const char* p = pattern; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/') slash = p;
    std::string dir = ".";
    if (slash != nullptr) {
        std::string dos_dir(pattern, static_cast<size_t>(slash - pattern));
        if (dos_dir.empty()) dos_dir.push_back('\\');  // the root
        if (!resolve(dos_dir.c_str(), &dir)) return -1;
    }
    DIR* d = opendir(dir.c_str());
    if (d == nullptr) return -1;
    find->state = new FindState{d, dir, slash != nullptr ? slash + 1 : pattern, attrib};
    return dos_findnext(find);
}

void dos_findclose(DosFind* find) {
    auto* s = static_cast<FindState*>(find->state);
    if (s == nullptr) return;
    closedir(s->dir);
    delete s;
    find->state = nullptr;
}

void dos_splitpath(const char* path, char* drive, char* dir, char* fname, char* ext) {
    const char* p = path;
    if (has_drive(p)) {
        copy_out(drive, DOS_MAX_DRIVE, p, p + 2);
        p += 2;
    } else {
        copy_out(drive, DOS_MAX_DRIVE, p, p);
    }
    const char* last_sep = nullptr;
    for (const char* q = p; *q != '\0'; ++q)
        if (*q == '\\' || *q == '/') last_sep = q;
    const char* name = last_sep != nullptr ? last_sep + 1 : p;
    copy_out(dir, DOS_MAX_DIR, p, name);
    const char* end = name + std::strlen(name);
    const char* dot = nullptr;
    for (const char* q = name; *q != '\0'; ++q)
        if (*q == '.') dot = q;
    if (dot == nullptr) dot = end;
    copy_out(fname, DOS_MAX_FNAME, name, dot);
    copy_out(ext, DOS_MAX_EXT, dot, end);
}
