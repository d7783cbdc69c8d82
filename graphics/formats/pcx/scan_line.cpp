#include "scan_line.h"

#include <cstring>

#include "mirv32.h"

namespace mirv::pcx {

int ScanLineReader::next() { return rle_ ? next_rle() : next_raw(); }

int ScanLineReader::next_raw() { return in_.read(line_.data(), line_.size()) == line_.size() ? 0 : IPE_EOF; }

int ScanLineReader::next_rle() {
    std::uint8_t* out = line_.data();
    std::uint8_t* const end = out + line_.size();
    while (out != end) {
        int code = in_.byte();
        if (code < 0) return IPE_EOF;
        if ((code & 0xC0) != 0xC0) {
            *out++ = static_cast<std::uint8_t>(code);
            continue;
        }
        int value = in_.byte();
        if (value < 0) return IPE_EOF;
        std::size_t count = static_cast<std::size_t>(code & 0x3F);
        if (count > static_cast<std::size_t>(end - out)) return IPE_NOPCX;
        std::memset(out, value, count);
        out += count;
    }
    return 0;
}

}  // namespace mirv::pcx
