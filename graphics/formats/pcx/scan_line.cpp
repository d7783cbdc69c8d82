#include "scan_line.h"

#include <cstring>

#include "mirv32.h"

namespace mirv::pcx {

namespace {

// Runs up to this length are written with one store of this many bytes.
constexpr std::size_t kShortRun = 16;

}  // namespace

int ScanLineReader::next() { return rle_ ? next_rle() : next_raw(); }

int ScanLineReader::next_raw() { return in_.read(line_.data(), line_.size()) == line_.size() ? 0 : IPE_EOF; }

// One code (a byte, or a run and its value) through the reader's byte
// calls, for the last bytes of its buffer.
int ScanLineReader::next_code(std::uint8_t*& out, std::uint8_t* end) {
    int code = in_.byte();
    if (code < 0) return IPE_EOF;
    if ((code & 0xC0) != 0xC0) {
        *out++ = static_cast<std::uint8_t>(code);
        return 0;
    }
    int value = in_.byte();
    if (value < 0) return IPE_EOF;
    std::size_t count = static_cast<std::size_t>(code & 0x3F);
    if (count > static_cast<std::size_t>(end - out)) return IPE_NOPCX;
    std::memset(out, value, count);
    out += count;
    return 0;
}

int ScanLineReader::next_rle() {
    std::uint8_t* out = line_.data();
    std::uint8_t* const end = out + line_.size();
    while (out != end) {
        // Walk the buffered bytes directly while a run's value byte is
        // sure to be there too.
        const std::uint8_t* const first = in_.pending();
        const std::uint8_t* p = first;
        const std::uint8_t* const stop = first + (in_.pending_size() > 0 ? in_.pending_size() - 1 : 0);
        int error = 0;
        while (out != end && p < stop) {
            // A byte or a run, told apart without a branch: the value is
            // the byte itself or the one after it.
            std::uint8_t code = *p;
            std::size_t run = code >= 0xC0;
            std::size_t count = (code & 0x3Fu) * run + (1 - run);
            std::uint8_t value = p[run];
            p += 1 + run;
            std::size_t room = static_cast<std::size_t>(end - out);
            if (count <= kShortRun && room >= kShortRun) {
                // Single bytes and short runs, the common codes, as one
                // fixed-size store; what lies beyond `count` is written
                // again by the codes that follow.
                std::memset(out, value, kShortRun);
            } else if (count <= room) {
                std::memset(out, value, count);
            } else {
                p -= 1 + run;
                error = IPE_NOPCX;
                break;
            }
            out += count;
        }
        in_.consume(static_cast<std::size_t>(p - first));
        if (error) return error;
        if (out != end && p >= stop) {
            if (int e = next_code(out, end)) return e;
        }
    }
    return 0;
}

}  // namespace mirv::pcx
