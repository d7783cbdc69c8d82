// DOS date and time words.
#include "platform/dostime.h"

#include <sys/stat.h>
#include <sys/time.h>

#include <algorithm>
#include <ctime>
#include <string>

#include "platform/path.h"

namespace platform {

DosDateTime to_dos_datetime(std::int64_t t) {
    std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (!localtime_r(&tt, &tm) || tm.tm_year < 80) return {static_cast<std::uint16_t>((1 << 5) | 1), 0};
    if (tm.tm_year > 207) return {static_cast<std::uint16_t>((127 << 9) | (12 << 5) | 31),
                                  static_cast<std::uint16_t>((23 << 11) | (59 << 5) | 29)};
    DosDateTime dt;
    dt.date = static_cast<std::uint16_t>(((tm.tm_year - 80) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday);
    dt.time = static_cast<std::uint16_t>((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2));
    return dt;
}

std::int64_t from_dos_datetime(DosDateTime dt) {
    std::tm tm{};
    tm.tm_year = 80 + (dt.date >> 9);
    tm.tm_mon = std::clamp((dt.date >> 5) & 0x0F, 1, 12) - 1;
    tm.tm_mday = std::clamp(dt.date & 0x1F, 1, 31);
    tm.tm_hour = std::min(dt.time >> 11, 23);
    tm.tm_min = std::min((dt.time >> 5) & 0x3F, 59);
    tm.tm_sec = std::min((dt.time & 0x1F) * 2, 59);
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

bool set_file_dos_datetime(std::string_view path, DosDateTime dt) {
    struct timeval times[2];
    times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(from_dos_datetime(dt));
    times[0].tv_usec = times[1].tv_usec = 0;
    return utimes(native_path(path).c_str(), times) == 0;
}

bool file_dos_datetime(std::string_view path, DosDateTime& out) {
    struct stat st;
    if (stat(native_path(path).c_str(), &st) != 0) return false;
    out = to_dos_datetime(st.st_mtime);
    return true;
}

}  // namespace platform
