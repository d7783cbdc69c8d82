#include "file.h"

#include <sys/stat.h>

namespace mirv {

std::optional<File> File::open_read(const char* name) {
    if (!name) return std::nullopt;
    struct stat st;
    if (::stat(name, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::FILE* f = std::fopen(name, "rb");
    if (!f) return std::nullopt;
    return File(f);
}

std::optional<File> File::create(const char* name) {
    if (!name) return std::nullopt;
    std::FILE* f = std::fopen(name, "wb");
    if (!f) return std::nullopt;
    return File(f);
}

File::~File() {
    if (f_) std::fclose(f_);
}

std::size_t File::read(void* buffer, std::size_t n) { return n ? std::fread(buffer, 1, n, f_) : 0; }

bool File::write(const void* buffer, std::size_t n) { return std::fwrite(buffer, 1, n, f_) == n; }

bool File::seek(std::uint64_t offset) { return fseeko(f_, static_cast<off_t>(offset), SEEK_SET) == 0; }

std::uint64_t File::tell() {
    off_t at = ftello(f_);
    return at < 0 ? 0 : static_cast<std::uint64_t>(at);
}

std::uint64_t File::size() {
    struct stat st;
    return ::fstat(fileno(f_), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

bool File::close() {
    if (!f_) return false;
    bool ok = std::fclose(f_) == 0;
    f_ = nullptr;
    return ok;
}

}  // namespace mirv
