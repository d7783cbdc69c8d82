#pragma once
// Programs associated with files: the file's MIME type from the
// shared-mime-info database, its default application from the XDG
// association lists and desktop entries. A command is an argument vector
// whose first element is the program's full path.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/api.h"
#include "platform/ui/xdg_paths.h"

namespace platform::ui {

using Command = std::vector<std::string>;

// The MIME type of a file by its name and content; empty when the database
// knows none.
PLATFORM_UI_API std::string mime_type_of(const std::string& path);

// The command of the default application of `mime_type` (or of its parent
// types) opening `file`; nullopt when no installed application is
// associated.
PLATFORM_UI_API std::optional<Command> default_application(const XdgPaths& paths,
                                                           const std::string& mime_type,
                                                           const std::string& file);

// The associated program for a file, opening that file; nullopt when none.
PLATFORM_UI_API std::optional<Command> find_executable(const std::string& file);

// "NOTEPAD": the default application for text/plain, else $VISUAL, else
// $EDITOR, opening `file`; nullopt when none of them is there.
PLATFORM_UI_API std::optional<Command> notepad_command(const std::string& file);

// "WINFILE": the default application for directories, opened on `directory`.
PLATFORM_UI_API std::optional<Command> file_manager_command(const std::string& directory);

// Full path of a program: a name with a '/' as it stands, else the first
// executable regular file of that name in a directory of $PATH.
PLATFORM_UI_API std::optional<std::string> find_program(const std::string& name);

}  // namespace platform::ui
