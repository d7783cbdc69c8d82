#pragma once
// Which program opens an extracted member.
#include <optional>
#include <string>

#include "platform/ui/association.h"

namespace brisk {

// True for the archive extensions that open in a new small viewer:
// .LZH .ZIP .ARC .ARJ .RAR .TAR, in any letter case (not .ZOO).
bool opens_in_new_viewer(const std::string& path);

// The command for an extracted file: an archive in a new copy of this
// program (`own_program`), anything else in its associated program, else
// in NOTEPAD; nullopt when none of these is there.
std::optional<platform::ui::Command> command_for_file(const std::string& path,
                                                      const std::string& own_program);

}  // namespace brisk
