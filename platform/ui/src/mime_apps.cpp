#include "platform/ui/mime_apps.h"

#include <algorithm>
#include <set>

#include "platform/path.h"
#include "platform/ui/key_file.h"

namespace platform::ui {
namespace {

constexpr std::string_view kDefaults = "Default Applications";
constexpr std::string_view kAdded = "Added Associations";
constexpr std::string_view kRemoved = "Removed Associations";
constexpr std::string_view kCache = "MIME Cache";

void add_list_files(std::vector<AssociationFile>& files, const std::string& dir,
                    const std::vector<std::string>& desktops) {
    for (const std::string& desktop : desktops)
        files.push_back({dir + "/" + desktop + "-mimeapps.list", false});
    files.push_back({dir + "/mimeapps.list", false});
}

std::vector<std::string> ids_in(const KeyFile& file, std::string_view group,
                                std::string_view mime_type) {
    const std::string* value = file.value(group, mime_type);
    return value ? split_list(*value) : std::vector<std::string>{};
}

void append_unique(std::vector<std::string>& out, const std::vector<std::string>& ids,
                   const std::set<std::string>& removed) {
    for (const std::string& id : ids)
        if (!removed.contains(id) && std::find(out.begin(), out.end(), id) == out.end())
            out.push_back(id);
}

}  // namespace

std::vector<AssociationFile> association_files(const XdgPaths& paths) {
    std::vector<AssociationFile> files;
    add_list_files(files, paths.config_home, paths.desktops);
    for (const std::string& dir : paths.config_dirs) add_list_files(files, dir, paths.desktops);
    for (const std::string& dir : paths.application_dirs()) {
        add_list_files(files, dir, paths.desktops);
        files.push_back({dir + "/defaults.list", false});
    }
    for (const std::string& dir : paths.application_dirs())
        files.push_back({dir + "/mimeinfo.cache", true});
    std::erase_if(files, [](const AssociationFile& f) { return !regular_file_exists(f.path); });
    return files;
}

std::vector<std::string> candidate_applications(const XdgPaths& paths,
                                                std::string_view mime_type) {
    std::vector<std::string> defaults;
    std::vector<std::string> associated;
    std::set<std::string> removed;
    for (const AssociationFile& entry : association_files(paths)) {
        std::optional<KeyFile> file = read_key_file(entry.path);
        if (!file) continue;
        if (entry.is_cache) {
            append_unique(associated, ids_in(*file, kCache, mime_type), removed);
            continue;
        }
        append_unique(defaults, ids_in(*file, kDefaults, mime_type), {});
        append_unique(associated, ids_in(*file, kAdded, mime_type), removed);
        for (std::string& id : ids_in(*file, kRemoved, mime_type)) removed.insert(std::move(id));
    }
    append_unique(defaults, associated, {});
    return defaults;
}

}  // namespace platform::ui
