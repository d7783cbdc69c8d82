#include "platform/ui/xdg_paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace platform::ui {
namespace {

std::string env_or_empty(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Relative entries are invalid in XDG variables and are ignored.
std::vector<std::string> absolute_only(std::vector<std::string> dirs) {
    std::erase_if(dirs, [](const std::string& d) { return d.empty() || d[0] != '/'; });
    return dirs;
}

std::string home_based(const char* variable, const char* below_home) {
    std::string value = env_or_empty(variable);
    if (!value.empty() && value[0] == '/') return value;
    return env_or_empty("HOME") + below_home;
}

std::vector<std::string> dir_list(const char* variable, const char* fallback) {
    std::vector<std::string> dirs = absolute_only(split(env_or_empty(variable), ':'));
    return dirs.empty() ? split(fallback, ':') : dirs;
}

}  // namespace

XdgPaths XdgPaths::from_environment() {
    XdgPaths paths;
    paths.config_home = home_based("XDG_CONFIG_HOME", "/.config");
    paths.config_dirs = dir_list("XDG_CONFIG_DIRS", "/etc/xdg");
    paths.data_home = home_based("XDG_DATA_HOME", "/.local/share");
    paths.data_dirs = dir_list("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    for (std::string desktop : split(env_or_empty("XDG_CURRENT_DESKTOP"), ':')) {
        std::transform(desktop.begin(), desktop.end(), desktop.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        paths.desktops.push_back(desktop);
    }
    return paths;
}

std::vector<std::string> XdgPaths::application_dirs() const {
    std::vector<std::string> dirs{data_home + "/applications"};
    for (const std::string& d : data_dirs) dirs.push_back(d + "/applications");
    return dirs;
}

}  // namespace platform::ui
