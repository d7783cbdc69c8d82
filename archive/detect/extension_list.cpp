// The list of archive extensions this installation can serve.
#include <cstring>
#include <string>

#include "corax32.h"
#include "dispatch/dispatch.h"
#include "dispatch/operation_table.h"
#include "dos/runner.h"
#include "frame/guard.h"
#include "platform/path.h"

namespace corax {
namespace {

constexpr std::size_t kBufferSize = 120;
char extension_buffer[kBufferSize];

bool row_available(const OperationRow& row) {
    if (!row.packer.empty() && platform::search_file(packer_program_name(row.packer))) return true;
    return support_module_present(row.module);
}

void append(char* buffer, std::string_view text) {
    std::size_t used = std::strlen(buffer);
    if (used + text.size() >= kBufferSize) return;  // seven types always fit
    std::memcpy(buffer + used, text.data(), text.size());
    buffer[used + text.size()] = '\0';
}

}  // namespace
}  // namespace corax

CORAX_API const char* CxGetExtensionString(int forWriting) {
    using namespace corax;
    char* buffer = extension_buffer;
    buffer[0] = '\0';
    const std::string_view wanted = forWriting ? "Append" : "List";
    guarded(0, [&] {
        for (const OperationRow& row : operation_table()) {
            if (!same_name(row.operation, wanted)) continue;
            if (std::strstr(buffer, std::string(row.type).c_str())) continue;
            if (!row_available(row)) continue;
            if (buffer[0]) append(buffer, ";");
            append(buffer, "*.");
            append(buffer, row.type);
        }
        return 0;
    });
    return buffer;
}
