// Paths, plain file operations and the existence check with search.
#include "platform/path.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {

bool is_separator(char c) { return c == '/' || c == '\\'; }

std::string native_path(std::string_view path) {
    std::string out(path);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

std::string current_directory() {
    std::vector<char> buf(4096);
    while (!getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE || buf.size() > (1u << 20)) return ".";
        buf.resize(buf.size() * 2);
    }
    return buf.data();
}

std::string full_path(std::string_view path) {
    std::string p = native_path(path);
    if (p.empty() || p[0] != '/') p = with_trailing_separator(current_directory()) + p;
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i <= p.size()) {
        std::size_t j = p.find('/', i);
        if (j == std::string::npos) j = p.size();
        std::string part = p.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(std::move(part));
        }
        i = j + 1;
    }
    if (parts.empty()) return "/";
    std::string out;
    for (const std::string& part : parts) {
        out += '/';
        out += part;
    }
    if (p.back() == '/') out += '/';
    return out;
}

std::string with_trailing_separator(std::string_view dir) {
    std::string out = native_path(dir);
    if (out.empty() || out.back() != '/') out += '/';
    return out;
}

std::size_t file_name_offset(std::string_view path) {
    std::size_t pos = path.find_last_of("/\\");
    return pos == std::string_view::npos ? 0 : pos + 1;
}

PathParts split_path(std::string_view path) {
    std::string p = native_path(path);
    std::size_t name_at = file_name_offset(p);
    PathParts parts;
    parts.directory = p.substr(0, name_at);
    std::string file = p.substr(name_at);
    std::size_t dot = file.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        parts.name = file;
    } else {
        parts.name = file.substr(0, dot);
        parts.extension = file.substr(dot);
    }
    return parts;
}

bool file_exists(std::string_view path) {
    struct stat st;
    return stat(native_path(path).c_str(), &st) == 0;
}

bool regular_file_exists(std::string_view path) {
    struct stat st;
    return stat(native_path(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool delete_file(std::string_view path) { return unlink(native_path(path).c_str()) == 0; }

bool rename_file(std::string_view from, std::string_view to) {
    return std::rename(native_path(from).c_str(), native_path(to).c_str()) == 0;
}

namespace {

// "ARJ.EXE" -> "arj": the name a DOS program has among the system's programs.
std::string dos_program_alternative(std::string_view file) {
    std::size_t dot = file.rfind('.');
    if (dot == std::string_view::npos) return {};
    std::string ext(file.substr(dot + 1));
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ext != "EXE" && ext != "COM" && ext != "BAT") return {};
    std::string base(file.substr(0, dot));
    for (char& c : base) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return base;
}

std::vector<std::string> path_directories() {
    std::vector<std::string> dirs;
    const char* env = std::getenv("PATH");
    std::string_view path = env ? env : "/usr/local/bin:/usr/bin:/bin";
    while (!path.empty()) {
        std::size_t colon = path.find(':');
        std::string_view dir = path.substr(0, colon);
        dirs.push_back(dir.empty() ? "./" : with_trailing_separator(dir));
        if (colon == std::string_view::npos) break;
        path.remove_prefix(colon + 1);
    }
    return dirs;
}

}  // namespace

std::optional<std::string> search_file(std::string_view name) {
    if (name.empty()) return std::nullopt;
    std::string given = native_path(name);
    std::size_t name_at = file_name_offset(given);
    std::string file = given.substr(name_at);
    std::string alternative = dos_program_alternative(file);

    std::vector<std::string> dirs{given.substr(0, name_at)};
    if (name_at == 0) {
        std::vector<std::string> path = path_directories();
        dirs.insert(dirs.end(), path.begin(), path.end());
    }
    for (const std::string& dir : dirs) {
        for (const std::string* candidate : {&file, &alternative}) {
            if (candidate->empty()) continue;
            std::string path = dir + *candidate;
            if (regular_file_exists(path)) return full_path(path);
        }
    }
    return std::nullopt;
}

std::uint64_t free_disk_space(std::string_view path) {
    std::string p = path.empty() ? std::string(".") : native_path(path);
    struct statvfs vfs;
    if (statvfs(p.c_str(), &vfs) != 0) return 0;
    return static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
}

}  // namespace platform
