#pragma once
// DOS date and time words and their conversion to and from file times.
#include <cstdint>
#include <string_view>

#include "platform/api.h"

namespace platform {

struct DosDateTime {
    std::uint16_t date;  // bits 0-4 day, 5-8 month, 9-15 year - 1980
    std::uint16_t time;  // bits 11-15 hours, 5-10 minutes, 0-4 seconds / 2
};

// Local time of `t` as DOS date and time; times before 1980 give 1 Jan 1980,
// after 2107 the last representable second.
PLATFORM_API DosDateTime to_dos_datetime(std::int64_t t);

// Local time given by DOS date and time as seconds since the epoch.
// Out-of-range fields (day 0, month 13, ...) are clamped to valid values.
PLATFORM_API std::int64_t from_dos_datetime(DosDateTime dt);

// Sets the access and modification time of a file.
PLATFORM_API bool set_file_dos_datetime(std::string_view path, DosDateTime dt);

// Last-write time of a file in DOS form; false when it cannot be read.
PLATFORM_API bool file_dos_datetime(std::string_view path, DosDateTime& out);

}  // namespace platform
