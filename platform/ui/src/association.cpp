#include "platform/ui/association.h"

#include <unistd.h>

#include <QMimeDatabase>
#include <cstdlib>
#include <sys/stat.h>

#include "platform/ui/desktop_entry.h"
#include "platform/ui/key_file.h"
#include "platform/ui/mime_apps.h"

namespace platform::ui {
namespace {

bool is_executable_file(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Paths a desktop file ID may stand for below an applications directory:
// the ID itself, and the ID with one '-' read as a subdirectory separator.
std::vector<std::string> id_paths(const std::string& dir, const std::string& id) {
    std::vector<std::string> paths{dir + "/" + id};
    for (std::size_t i = id.find('-'); i != std::string::npos; i = id.find('-', i + 1)) {
        std::string nested = id;
        nested[i] = '/';
        paths.push_back(dir + "/" + nested);
    }
    return paths;
}

// The first desktop file of an ID along the applications directories.
std::optional<KeyFile> desktop_file(const XdgPaths& paths, const std::string& id) {
    for (const std::string& dir : paths.application_dirs())
        for (const std::string& path : id_paths(dir, id))
            if (auto file = read_key_file(path)) return file;
    return std::nullopt;
}

// The command of an installed application entry for a file.
std::optional<Command> entry_command(const KeyFile& file, const std::string& target) {
    std::optional<DesktopEntry> entry = application_entry(file);
    if (!entry) return std::nullopt;
    if (!entry->try_exec.empty() && !find_program(entry->try_exec)) return std::nullopt;
    std::optional<std::vector<std::string>> args = split_exec(entry->exec);
    if (!args || (*args)[0].find('%') != std::string::npos) return std::nullopt;
    std::optional<std::string> program = find_program((*args)[0]);
    if (!program) return std::nullopt;
    Command command = expand_exec(*args, target);
    command[0] = *program;
    return command;
}

std::optional<Command> first_installed(const XdgPaths& paths, const std::string& mime_type,
                                       const std::string& target) {
    for (const std::string& id : candidate_applications(paths, mime_type))
        if (auto file = desktop_file(paths, id))
            if (auto command = entry_command(*file, target)) return command;
    return std::nullopt;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while ((i = text.find_first_not_of(" \t", i)) != std::string::npos) {
        std::size_t end = text.find_first_of(" \t", i);
        out.push_back(text.substr(i, end - i));
        i = end;
    }
    return out;
}

// $VISUAL or $EDITOR: a program, possibly with options, then the file.
std::optional<Command> editor_command(const char* variable, const std::string& file) {
    const char* value = std::getenv(variable);
    if (!value) return std::nullopt;
    Command command = words(value);
    if (command.empty()) return std::nullopt;
    std::optional<std::string> program = find_program(command[0]);
    if (!program) return std::nullopt;
    command[0] = *program;
    command.push_back(file);
    return command;
}

}  // namespace

std::string mime_type_of(const std::string& path) {
    QMimeDatabase database;
    QMimeType type = database.mimeTypeForFile(QString::fromLocal8Bit(path.c_str()));
    return type.isValid() ? type.name().toStdString() : std::string{};
}

std::optional<Command> default_application(const XdgPaths& paths, const std::string& mime_type,
                                           const std::string& file) {
    if (mime_type.empty()) return std::nullopt;
    if (auto command = first_installed(paths, mime_type, file)) return command;
    QMimeDatabase database;
    const QMimeType type = database.mimeTypeForName(QString::fromStdString(mime_type));
    for (const QString& parent : type.allAncestors())
        if (auto command = first_installed(paths, parent.toStdString(), file)) return command;
    return std::nullopt;
}

std::optional<Command> find_executable(const std::string& file) {
    return default_application(XdgPaths::from_environment(), mime_type_of(file), file);
}

std::optional<Command> notepad_command(const std::string& file) {
    if (auto command = default_application(XdgPaths::from_environment(), "text/plain", file))
        return command;
    if (auto command = editor_command("VISUAL", file)) return command;
    return editor_command("EDITOR", file);
}

std::optional<Command> file_manager_command(const std::string& directory) {
    return default_application(XdgPaths::from_environment(), "inode/directory", directory);
}

std::optional<std::string> find_program(const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos)
        return is_executable_file(name) ? std::optional<std::string>(name) : std::nullopt;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        // An empty entry would mean the current directory; it is not searched.
        if (end > start) {
            std::string candidate = dirs.substr(start, end - start) + "/" + name;
            if (is_executable_file(candidate)) return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}

}  // namespace platform::ui
