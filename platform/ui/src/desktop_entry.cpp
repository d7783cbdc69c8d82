#include "platform/ui/desktop_entry.h"

namespace platform::ui {
namespace {

constexpr std::string_view kEntryGroup = "Desktop Entry";

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool is_file_code(char c) { return c == 'f' || c == 'F' || c == 'u' || c == 'U'; }

// Resolves the codes of one argument; sets `had_file` when a file code was met.
// Returns nullopt when the argument consisted of dropped codes only.
std::optional<std::string> expand_argument(const std::string& arg, const std::string& file,
                                           bool& had_file) {
    std::string out;
    bool dropped_any = false;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        if (arg[i] != '%' || i + 1 == arg.size()) {
            out += arg[i];
            continue;
        }
        const char code = arg[++i];
        if (code == '%') {
            out += '%';
        } else if (is_file_code(code)) {
            out += file;
            had_file = true;
        } else {
            dropped_any = true;
        }
    }
    if (out.empty() && dropped_any) return std::nullopt;
    return out;
}

}  // namespace

std::optional<DesktopEntry> application_entry(const KeyFile& file) {
    const std::string* type = file.value(kEntryGroup, "Type");
    const std::string* exec = file.value(kEntryGroup, "Exec");
    const std::string* hidden = file.value(kEntryGroup, "Hidden");
    if (!type || *type != "Application" || !exec || exec->empty()) return std::nullopt;
    if (hidden && *hidden == "true") return std::nullopt;
    DesktopEntry entry{unescape_value(*exec), {}};
    if (const std::string* try_exec = file.value(kEntryGroup, "TryExec"))
        entry.try_exec = unescape_value(*try_exec);
    return entry;
}

std::optional<std::vector<std::string>> split_exec(std::string_view exec) {
    std::vector<std::string> args;
    std::size_t i = 0;
    while (i < exec.size()) {
        while (i < exec.size() && is_blank(exec[i])) ++i;
        if (i == exec.size()) break;
        std::string arg;
        while (i < exec.size() && !is_blank(exec[i])) {
            if (exec[i] != '"') {
                arg += exec[i++];
                continue;
            }
            ++i;  // opening quote
            while (i < exec.size() && exec[i] != '"') {
                if (exec[i] == '\\' && i + 1 < exec.size()) ++i;
                arg += exec[i++];
            }
            if (i == exec.size()) return std::nullopt;  // unterminated quote
            ++i;  // closing quote
        }
        args.push_back(std::move(arg));
    }
    if (args.empty()) return std::nullopt;
    return args;
}

std::vector<std::string> expand_exec(const std::vector<std::string>& args,
                                     const std::string& file) {
    std::vector<std::string> out;
    bool had_file = false;
    for (const std::string& arg : args)
        if (auto expanded = expand_argument(arg, file, had_file)) out.push_back(std::move(*expanded));
    if (!had_file) out.push_back(file);
    return out;
}

}  // namespace platform::ui
