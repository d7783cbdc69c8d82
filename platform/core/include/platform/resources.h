#pragma once
// String resources compiled into a module at build time (tools/rcstrings).
#include <cstddef>

#include "platform/api.h"

namespace platform {

struct StringResource {
    unsigned id;
    const char* text;
};

struct StringTable {
    const StringResource* entries;  // sorted by id
    std::size_t count;
};

// The text of string `id`, or nullptr when the table has none.
PLATFORM_API const char* find_string(const StringTable& table, unsigned id);

// Copies string `id` into buf (at most size - 1 bytes, always terminated)
// and returns the number of bytes copied; 0 when there is no such string.
// A cut never splits a UTF-8 sequence.
PLATFORM_API int load_string(const StringTable& table, unsigned id, char* buf, int size);

}  // namespace platform
