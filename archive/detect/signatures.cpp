#include "detect/signatures.h"

#include <cstring>

#include "corax32.h"

namespace corax {
namespace {

constexpr std::size_t kTail = 10;
constexpr std::size_t kArcNameMax = 12;

class Bytes {
public:
    explicit Bytes(std::span<const unsigned char> data) : data_(data) {}
    // Bytes past the end read as zero, as from a zero-filled buffer.
    unsigned char at(std::size_t i) const { return i < data_.size() ? data_[i] : 0; }
    bool equals(std::size_t p, const char* text) const {
        for (std::size_t i = 0; text[i]; ++i)
            if (at(p + i) != static_cast<unsigned char>(text[i])) return false;
        return true;
    }
    std::uint32_t u32(std::size_t p) const {
        return at(p) | at(p + 1) << 8 | at(p + 2) << 16 | static_cast<std::uint32_t>(at(p + 3)) << 24;
    }

private:
    std::span<const unsigned char> data_;
};

bool is_lzh(const Bytes& b, std::size_t p) { return b.equals(p, "-lh") && b.at(p + 4) == '-'; }

bool is_arc(const Bytes& b, std::size_t p, std::uint64_t file_size) {
    if (b.at(p) != 0x1A) return false;
    auto method = static_cast<signed char>(b.at(p + 1));
    if (method < 1 || method > 9) return false;
    if (b.u32(p + 15) > file_size) return false;
    for (std::size_t i = 0; i <= kArcNameMax; ++i)
        if (b.at(p + 2 + i) == 0) return true;
    return false;
}

bool is_arj(const Bytes& b, std::size_t p) { return b.at(p) == 0x60 && b.at(p + 1) == 0xEA; }
bool is_rar(const Bytes& b, std::size_t p) { return b.equals(p, "Rar!\x1A"); }
bool is_zoo(const Bytes& b, std::size_t p) { return b.equals(p, "ZOO 2"); }

}  // namespace

int scan_signatures(std::span<const unsigned char> data, std::uint64_t file_size) {
    if (data.size() <= kTail) return CXT_NONE;
    const Bytes b(data);
    const std::size_t end = data.size() - kTail;
    for (std::size_t p = 0; p < end; ++p) {
        // Every signature starts with one of these bytes; skip the rest fast.
        const unsigned char c = data[p];
        if (c != '-' && c != 0x1A && c != 0x60 && c != 'R' && c != 'Z') continue;
        if (is_lzh(b, p)) return CXT_LZH;
        if (is_arc(b, p, file_size)) return CXT_ARC;
        if (is_arj(b, p)) return CXT_ARJ;
        if (is_rar(b, p)) return CXT_RAR;
        if (is_zoo(b, p)) return CXT_ZOO;
    }
    return CXT_NONE;
}

}  // namespace corax
