#include "launch_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "platform/path.h"

namespace brisk {

bool opens_in_new_viewer(const std::string& path) {
    // The extension of the file name: a dot in a folder name never counts.
    const std::string_view name = std::string_view(path).substr(platform::file_name_offset(path));
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return false;
    std::string ext(name.substr(dot));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    constexpr std::array<std::string_view, 6> kArchives = {".LZH", ".ZIP", ".ARC", ".ARJ", ".RAR", ".TAR"};
    return std::find(kArchives.begin(), kArchives.end(), ext) != kArchives.end();
}

std::optional<platform::ui::Command> command_for_file(const std::string& path,
                                                      const std::string& own_program) {
    if (opens_in_new_viewer(path)) return platform::ui::Command{own_program, path};
    if (auto command = platform::ui::find_executable(path)) return command;
    return platform::ui::notepad_command(path);
}

}  // namespace brisk
