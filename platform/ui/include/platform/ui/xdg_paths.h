#pragma once
// The XDG base directories, read from the environment at each call, so that
// a changed environment (a test's fake tree) is seen at once.
#include <string>
#include <vector>

#include "platform/ui/api.h"

namespace platform::ui {

struct XdgPaths {
    std::string config_home;               // $XDG_CONFIG_HOME or ~/.config
    std::vector<std::string> config_dirs;  // $XDG_CONFIG_DIRS or /etc/xdg
    std::string data_home;                 // $XDG_DATA_HOME or ~/.local/share
    std::vector<std::string> data_dirs;    // $XDG_DATA_DIRS or /usr/local/share:/usr/share
    std::vector<std::string> desktops;     // $XDG_CURRENT_DESKTOP, lower case

    PLATFORM_UI_API static XdgPaths from_environment();

    // Every "applications" directory, most important first.
    PLATFORM_UI_API std::vector<std::string> application_dirs() const;
};

}  // namespace platform::ui
