// The wildcard list of every readable file.
#include <cstring>

#include "library_state.h"
#include "mirv32.h"
#include "strings.h"

namespace {

constexpr int kGroupLength = 60;  // each group string is read with room for 59 characters

void append_group(char* list, std::size_t size, unsigned id) {
    char group[kGroupLength];
    if (platform::load_string(resources::mirv32, id, group, kGroupLength) == 0) return;
    if (std::strlen(list) + std::strlen(group) < size) std::strcat(list, group);
}

}  // namespace

extern "C" const char* ipGetImportExtensions(DWORD flags) {
    char* list = mirv::library_state().extensions;
    std::size_t size = sizeof mirv::library_state().extensions;
    list[0] = '\0';
    if (flags & IP_DIB) append_group(list, size, 1002);
    if (flags & IP_META) append_group(list, size, 1004);
    std::size_t length = std::strlen(list);
    if (length > 0) list[length - 1] = '\0';  // the final ';'
    return list;
}
