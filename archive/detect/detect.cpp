// Archive type detection: by extension first, then by content.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "corax32.h"
#include "detect/signatures.h"
#include "dispatch/operation_table.h"
#include "frame/guard.h"
#include "platform/path.h"

namespace corax {
namespace {

constexpr std::size_t kScanSize = 32768;
constexpr std::size_t kMinimumSize = 50;
constexpr off_t kZipEndOffset = 22;

int type_by_extension(std::string_view name) {
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return CXT_NONE;
    std::string_view ext = name.substr(dot + 1);
    for (int type = CXT_LZH; type <= CXT_ZOO; ++type)
        if (same_name(ext, type_string(type))) return type;
    return CXT_NONE;
}

// Closes the descriptor on every path out.
struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) close(fd);
    }
};

std::size_t read_fully(int fd, unsigned char* buf, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = read(fd, buf + got, size - got);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

int type_by_content(const char* name) {
    // Non-blocking, so that a named pipe or device never stalls the caller;
    // only regular files are read.
    FileDescriptor file{open(platform::native_path(name).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat st;
    if (file.fd < 0 || fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) return CXT_NONE;

    off_t end_record = lseek(file.fd, -kZipEndOffset, SEEK_END);
    if (end_record >= 0) {
        unsigned char tail[10];
        if (read_fully(file.fd, tail, sizeof tail) == sizeof tail && tail[0] == 'P' && tail[1] == 'K')
            return CXT_ZIP;
    }
    if (lseek(file.fd, 0, SEEK_SET) != 0) return CXT_NONE;
    std::vector<unsigned char> buffer(kScanSize);
    std::size_t got = read_fully(file.fd, buffer.data(), buffer.size());
    if (got < kMinimumSize) return CXT_NONE;
    std::uint64_t file_size = end_record >= 0 ? static_cast<std::uint64_t>(end_record) + kZipEndOffset : got;
    return scan_signatures({buffer.data(), got}, file_size);
}

}  // namespace
}  // namespace corax

CORAX_API int CxIsArchiv(const char* fileName) {
    return corax::guarded(CXT_NONE, [&] {
        if (!fileName) return CXT_NONE;
        int type = corax::type_by_extension(fileName);
        return type != CXT_NONE ? type : corax::type_by_content(fileName);
    });
}
