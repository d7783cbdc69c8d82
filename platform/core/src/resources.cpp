// Lookup in string tables compiled into a module.
#include "platform/resources.h"

#include <algorithm>
#include <cstring>

namespace platform {

const char* find_string(const StringTable& table, unsigned id) {
    const StringResource* end = table.entries + table.count;
    const StringResource* it = std::lower_bound(
        table.entries, end, id, [](const StringResource& r, unsigned key) { return r.id < key; });
    return it != end && it->id == id ? it->text : nullptr;
}

int load_string(const StringTable& table, unsigned id, char* buf, int size) {
    if (!buf || size <= 0) return 0;
    buf[0] = '\0';
    const char* text = find_string(table, id);
    if (!text) return 0;
    std::size_t n = std::min(std::strlen(text), static_cast<std::size_t>(size - 1));
    // Never end inside a multi-byte UTF-8 sequence.
    if (n < std::strlen(text))
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buf, text, n);
    buf[n] = '\0';
    return static_cast<int>(n);
}

}  // namespace platform
