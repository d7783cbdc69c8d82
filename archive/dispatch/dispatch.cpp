#include "dispatch/dispatch.h"

#include <string>

#include "dispatch/operation_table.h"
#include "dos/runner.h"
#include "platform/module.h"

namespace corax {
namespace {

using SupportProcedure = int (*)(ArchiveRequest*);

std::optional<std::string> find_support_module(std::string_view module) {
    // Modules are looked for beside this library among other places.
    return platform::find_module(std::string(module) + ".DLL",
                                 reinterpret_cast<const void*>(&dispatch_operation));
}

int call_support_module(const std::string& path, const OperationRow& row,
                        std::string_view operation, ArchiveRequest* request) {
    std::optional<platform::Module> module = platform::Module::load(path);
    if (!module) return CX_MODULE_MISSING;
    std::string procedure = std::string(row.type) + std::string(operation);
    auto proc = reinterpret_cast<SupportProcedure>(module->symbol(procedure.c_str()));
    if (!proc) return CX_MODULE_MISSING;
    return proc(request);  // the module is released when `module` goes away
}

}  // namespace

bool support_module_present(std::string_view module) {
    return !module.empty() && find_support_module(module).has_value();
}

int dispatch_operation(ArchiveRequest* request, std::string_view operation) {
    if (!request || !request->lpstrArchive) return CX_ILLEGAL_PARAMETERS;
    int type = request->nArchiveType != 0 ? request->nArchiveType : CxIsArchiv(request->lpstrArchive);
    std::string_view type_name = type_string(type);
    if (type_name.empty()) return CX_TYPE_NOT_SUPPORTED;

    for (const OperationRow& row : operation_table()) {
        if (!same_name(row.type, type_name) || !same_name(row.operation, operation)) continue;
        if (row.module.empty()) return run_dos_packer(row, request, operation);
        if (std::optional<std::string> path = find_support_module(row.module))
            return call_support_module(*path, row, operation, request);
    }
    return CX_TYPE_NOT_SUPPORTED;
}

}  // namespace corax
