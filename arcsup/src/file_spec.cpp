#include "file_spec.h"

#include "platform/path.h"

namespace arcsup {

FileSpec parse_file_spec(std::string_view spec, const char* base_directory) {
    FileSpec out;
    std::string directory = base_directory ? base_directory : "";
    const std::size_t name_at = platform::file_name_offset(spec);
    if (name_at > 0) directory = std::string(spec.substr(0, name_at));
    if (!directory.empty()) directory = platform::with_trailing_separator(directory);
    out.directory = directory;
    out.mask = std::string(spec.substr(name_at));
    return out;
}

std::vector<FileSpec> parse_file_specs(const char* files, const char* base_directory) {
    std::vector<FileSpec> specs;
    const std::string_view text = files ? std::string_view(files) : std::string_view("*.*");
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        if (end > at) specs.push_back(parse_file_spec(text.substr(at, end - at), base_directory));
        at = end + 1;
    }
    return specs;
}

bool has_wildcard(std::string_view mask) {
    return mask.find_first_of("*?") != std::string_view::npos;
}

}  // namespace arcsup
