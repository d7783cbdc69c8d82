#pragma once
// Desktop entries of applications and their Exec command lines.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/api.h"
#include "platform/ui/key_file.h"

namespace platform::ui {

struct DesktopEntry {
    std::string exec;      // Exec, value escapes resolved
    std::string try_exec;  // TryExec, empty when absent
};

// The application entry of a parsed desktop file; nullopt for entries that
// are no applications, are hidden or have no Exec line.
PLATFORM_UI_API std::optional<DesktopEntry> application_entry(const KeyFile& file);

// Splits an Exec value into arguments at unquoted blanks. A double-quoted
// argument may hold blanks; inside it \" \` \$ \\ stand for the character.
// nullopt for an unterminated quote or an empty line.
PLATFORM_UI_API std::optional<std::vector<std::string>> split_exec(std::string_view exec);

// Resolves the field codes of split Exec arguments for one file: %f %F %u
// %U become the file's path, %% a percent sign; the other codes are dropped
// (an argument that was only such a code disappears). When the line has no
// file code, the path is added as the last argument, so that the program
// always receives the file. The path is always one argument of its own or
// part of one; it is never split.
PLATFORM_UI_API std::vector<std::string> expand_exec(const std::vector<std::string>& args,
                                                     const std::string& file);

}  // namespace platform::ui
