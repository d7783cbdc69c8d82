#pragma once
// Loadable modules named the DOS way: "NAME.DLL" is the file "name.so".
#include <optional>
#include <string>
#include <string_view>

#include "platform/api.h"

namespace platform {

// The file name of a module: "ARCSUP32.DLL" -> "arcsup32.so".
PLATFORM_API std::string module_file_name(std::string_view dll_name);

// Finds a module file: in each directory of $CORAX_MODULE_PATH (colon-
// separated), then in the directory of the object that contains
// `caller_address`, then in the installed module directory.
PLATFORM_API std::optional<std::string> find_module(std::string_view dll_name,
                                                    const void* caller_address);

// A loaded module, released when the object goes away.
class PLATFORM_API Module {
public:
    static std::optional<Module> load(const std::string& path);
    Module(Module&& other) noexcept;
    Module& operator=(Module&& other) noexcept;
    ~Module();
    void* symbol(const char* name) const;

private:
    explicit Module(void* handle) : handle_(handle) {}
    void* handle_;
};

}  // namespace platform
