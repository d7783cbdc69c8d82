#include "member_name.h"

namespace arcsup {

bool is_plain_file_name(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("/\\:") == std::string_view::npos;
}

}  // namespace arcsup
