#pragma once
// The default application of a MIME type from the XDG association lists:
// mimeapps.list (per desktop and general) in the config and data
// directories, the older defaults.list, and the mimeinfo.cache of each
// applications directory.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/api.h"
#include "platform/ui/xdg_paths.h"

namespace platform::ui {

// Every association list file that exists, most important first, with the
// groups it is read for.
struct AssociationFile {
    std::string path;
    bool is_cache;  // mimeinfo.cache: only its [MIME Cache] group counts
};
PLATFORM_UI_API std::vector<AssociationFile> association_files(const XdgPaths& paths);

// Desktop file IDs for a MIME type in the order they are to be tried:
// the [Default Applications] of every mimeapps.list and defaults.list
// first, then [Added Associations], then the caches; an ID listed under
// [Removed Associations] is left out of the added and cached ones from
// files of lower importance. Each ID appears once.
PLATFORM_UI_API std::vector<std::string> candidate_applications(const XdgPaths& paths,
                                                                std::string_view mime_type);

}  // namespace platform::ui
