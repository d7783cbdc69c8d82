#pragma once
// The library's message helper: loads a message string and shows it,
// formatted with the arguments, under the caption "CORAX Problem".
#include "platform/resources.h"
#include "platform/types.h"

namespace resources {
extern const platform::StringTable corax32;
}

namespace corax {

// Shows string `id` (or "Resource-String <id> missing") formatted as a printf
// template with the arguments; returns the message box's answer.
int show_resource_message(HWND owner, int id, UINT style, ...);

}  // namespace corax
