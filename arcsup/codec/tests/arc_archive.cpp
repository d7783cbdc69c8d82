#include "arc_archive.h"

#include <cstring>

namespace arc::test {

namespace {

constexpr std::uint8_t marker = 0x1A;
constexpr std::size_t name_field = 13;

void put16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint32_t get16(const Bytes& in, std::size_t at)
{
    return in[at] | (in[at + 1] << 8);
}

std::uint32_t get32(const Bytes& in, std::size_t at)
{
    return get16(in, at) | (get16(in, at + 2) << 16);
}

} // namespace

Bytes write_archive(const std::vector<ArchiveMember>& members)
{
    Bytes out;
    for (const ArchiveMember& m : members) {
        out.push_back(marker);
        out.push_back(static_cast<std::uint8_t>(m.method));
        char name[name_field] = {};
        std::strncpy(name, m.name.c_str(), name_field - 1);
        out.insert(out.end(), name, name + name_field);
        put32(out, static_cast<std::uint32_t>(m.data.size()));
        put16(out, m.dos_date);
        put16(out, m.dos_time);
        put16(out, m.crc);
        if (m.method != 1)
            put32(out, m.uncompressed_size);
        out.insert(out.end(), m.data.begin(), m.data.end());
    }
    out.push_back(marker);
    out.push_back(0);
    return out;
}

std::optional<std::vector<ArchiveMember>> read_archive(const Bytes& archive)
{
    std::vector<ArchiveMember> members;
    std::size_t pos = 0;
    for (;;) {
        if (pos + 2 > archive.size() || archive[pos] != marker)
            return std::nullopt;
        const int method = archive[pos + 1];
        if (method == 0)
            return members;
        const std::size_t header = method == 1 ? 25 : 29;
        if (archive.size() - pos < header)
            return std::nullopt;
        ArchiveMember m;
        m.method = method;
        const char* name = reinterpret_cast<const char*>(&archive[pos + 2]);
        m.name.assign(name, strnlen(name, name_field));
        const std::uint32_t size = get32(archive, pos + 15);
        m.dos_date = static_cast<std::uint16_t>(get16(archive, pos + 19));
        m.dos_time = static_cast<std::uint16_t>(get16(archive, pos + 21));
        m.crc = static_cast<std::uint16_t>(get16(archive, pos + 23));
        m.uncompressed_size = method == 1 ? size : get32(archive, pos + 25);
        pos += header;
        if (archive.size() - pos < size)
            return std::nullopt;
        m.data.assign(archive.begin() + static_cast<std::ptrdiff_t>(pos),
                      archive.begin() + static_cast<std::ptrdiff_t>(pos + size));
        pos += size;
        members.push_back(std::move(m));
    }
}

} // namespace arc::test
