#include "member_header.h"

#include <cstring>

#include "arc/method.h"

namespace arcsup {
namespace {

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::string MemberHeader::name_text() const {
    return std::string(name.data(), strnlen(name.data(), max_name_length));
}

bool MemberHeader::set_name(const std::string& text) {
    if (text.size() > max_name_length) return false;
    name.fill('\0');
    std::memcpy(name.data(), text.data(), text.size());
    return true;
}

std::size_t header_body_size(int method) {
    return method == arc::method::stored_old ? old_header_size - 2 : header_size - 2;
}

MemberHeader parse_header_body(int method, std::span<const std::uint8_t> body) {
    MemberHeader h;
    const std::uint8_t* p = body.data();
    std::memcpy(h.name.data(), p, name_field_size);
    h.name[max_name_length] = '\0';
    h.compressed_size = le32(p + 13);
    h.date = le16(p + 17);
    h.time = le16(p + 19);
    h.crc = le16(p + 21);
    if (method == arc::method::stored_old) {
        h.method = arc::method::stored;
        h.size = h.compressed_size;
    } else {
        h.method = method;
        h.size = le32(p + 23);
    }
    return h;
}

std::array<std::uint8_t, header_size> encode_header(const MemberHeader& h) {
    std::array<std::uint8_t, header_size> out{};
    out[0] = header_marker;
    out[1] = static_cast<std::uint8_t>(h.method);
    std::memcpy(out.data() + 2, h.name.data(), name_field_size);
    put32(out.data() + 15, h.compressed_size);
    put16(out.data() + 19, h.date);
    put16(out.data() + 21, h.time);
    put16(out.data() + 23, h.crc);
    put32(out.data() + 25, h.size);
    return out;
}

}  // namespace arcsup
