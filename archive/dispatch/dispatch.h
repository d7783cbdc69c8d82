#pragma once
#include <string_view>

#include "corax32.h"

namespace corax {

// Hands the request to the support module or DOS packer that serves its
// archive type and the operation ("List", "Extract", "Append", "Delete").
int dispatch_operation(ArchiveRequest* request, std::string_view operation);

// Whether a support module file of that base name ("ARCSUP32") is present.
bool support_module_present(std::string_view module);

}  // namespace corax
