#pragma once
// The four archive operations as the small viewer asks for them. Each
// builds its own zeroed request; a non-zero result is shown with CxErrMsg
// and returned.
#include <optional>
#include <string>

#include "platform/types.h"

namespace brisk {

// Lists the archive; the listing text on success, nullopt after a failure.
std::optional<std::string> list_archive(HWND owner, const std::string& archive);

int extract_member(HWND owner, const std::string& archive, const std::string& member,
                   const std::string& directory);
int delete_member(HWND owner, const std::string& archive, const std::string& member);
// `files`: full paths separated by single blanks.
int append_files(HWND owner, const std::string& archive, const std::string& files);

}  // namespace brisk
