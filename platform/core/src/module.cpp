// Loadable modules named the DOS way.
#include "platform/module.h"

#include <dlfcn.h>

#include <cctype>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/path.h"

namespace platform {

std::string module_file_name(std::string_view dll_name) {
    std::string file(dll_name.substr(file_name_offset(dll_name)));
    std::size_t dot = file.rfind('.');
    if (dot != std::string::npos) {
        std::string ext = file.substr(dot + 1);
        for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (ext == "DLL") file.erase(dot);
    }
    for (char& c : file) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return file + ".so";
}

namespace {

std::vector<std::string> module_directories(const void* caller_address) {
    std::vector<std::string> dirs;
    if (const char* env = std::getenv("CORAX_MODULE_PATH")) {
        std::string_view list = env;
        while (!list.empty()) {
            std::size_t colon = list.find(':');
            std::string_view dir = list.substr(0, colon);
            if (!dir.empty()) dirs.push_back(with_trailing_separator(dir));
            if (colon == std::string_view::npos) break;
            list.remove_prefix(colon + 1);
        }
    }
    Dl_info info{};
    if (caller_address && dladdr(caller_address, &info) && info.dli_fname) {
        std::string object = info.dli_fname;
        std::string dir = object.substr(0, file_name_offset(object));
        if (!dir.empty()) dirs.push_back(dir);
    }
    dirs.push_back(with_trailing_separator(TOLVANE_MODULE_DIR));
    return dirs;
}

}  // namespace

std::optional<std::string> find_module(std::string_view dll_name, const void* caller_address) {
    const std::string file = module_file_name(dll_name);
    for (const std::string& dir : module_directories(caller_address)) {
        std::string path = dir + file;
        if (regular_file_exists(path)) return full_path(path);
    }
    return std::nullopt;
}

std::optional<Module> Module::load(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return std::nullopt;
    return Module(handle);
}

Module::Module(Module&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Module& Module::operator=(Module&& other) noexcept {
    if (this != &other) {
        if (handle_) dlclose(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

Module::~Module() {
    if (handle_) dlclose(handle_);
}

void* Module::symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

}  // namespace platform
