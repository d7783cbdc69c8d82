// Archive type detection over arbitrary file contents: the signature scan
// on the bytes directly, and CxIsArchiv on a file holding them.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "corax32.h"
#include "detect/signatures.h"

namespace {

const std::string& scratch_file() {
    static const std::string path = [] {
        char templ[] = "/tmp/fuzz_detect_XXXXXX";
        int fd = mkstemp(templ);
        if (fd < 0) std::abort();
        close(fd);
        return std::string(templ);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int scanned = corax::scan_signatures({data, size}, size);
    if (scanned < 0 || scanned > CXT_ZOO || scanned == CXT_TAR || scanned == CXT_ZIP) std::abort();

    const std::string& path = scratch_file();
    int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0) return 0;
    if (write(fd, data, size) != static_cast<ssize_t>(size)) {
        close(fd);
        return 0;
    }
    close(fd);
    const int type = CxIsArchiv(path.c_str());
    if (type < 0 || type > CXT_ZOO) std::abort();
    return 0;
}
