#include "file_handle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/path.h"

namespace arcsup {

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.release();
    }
    return *this;
}

FileHandle FileHandle::open_existing(const std::string& path, bool writable) {
    int fd = ::open(platform::native_path(path).c_str(),
                    (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return FileHandle();
    FileHandle file(fd);
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return FileHandle();
    // Back to blocking reads; the flag only kept a FIFO from blocking the open.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

FileHandle FileHandle::create_new(const std::string& path) {
    int fd = ::open(platform::native_path(path).c_str(),
                    O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    return FileHandle(fd);
}

int FileHandle::release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
}

bool FileHandle::close() {
    if (fd_ < 0) return true;
    int fd = release();
    return ::close(fd) == 0;
}

long FileHandle::read_some(void* data, std::size_t size) {
    for (;;) {
        ssize_t n = ::read(fd_, data, size);
        if (n >= 0) return static_cast<long>(n);
        if (errno != EINTR) return -1;
    }
}

long FileHandle::read_full(void* data, std::size_t size) {
    auto* out = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
        long n = read_some(out + done, size - done);
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long>(done);
}

bool FileHandle::write_all(const void* data, std::size_t size) {
    const auto* in = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd_, in, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        in += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool FileHandle::seek(std::uint64_t offset) {
    return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

std::int64_t FileHandle::size() const {
    struct stat st;
    if (fstat(fd_, &st) != 0) return -1;
    return static_cast<std::int64_t>(st.st_size);
}

bool FileHandle::truncate(std::uint64_t size) {
    return ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
}

}  // namespace arcsup
