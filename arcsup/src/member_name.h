#pragma once
// Whether a stored member name can be written as a file of the target
// directory: a plain file name, without a directory part, drive letter or
// "." / ".." component, so that extraction never writes outside the target.
#include <string_view>

namespace arcsup {

bool is_plain_file_name(std::string_view name);

}  // namespace arcsup
