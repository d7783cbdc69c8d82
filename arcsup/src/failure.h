#pragma once
// A failure that ends the current request: the message box to show and the
// result code to return. Thrown inside the module only; the exported
// procedures catch it, so it never crosses the module boundary.
#include <string>

#include "messages.h"
#include "platform/types.h"

namespace arcsup {

struct Failure {
    int code;             // CX_* result code
    std::string text;     // message box text
    Msg caption;          // message box caption
    UINT style;           // message box style
};

// The archive (or one of its members) is damaged: "<path> ist kein Archiv
// oder beschädigt", result 2021. Reading shows it with the stop icon, the
// writing side without icon.
[[noreturn]] void fail_damaged(const std::string& archive_path, UINT style = 0x10);
// A damaged member found by a decoder: its own text, result 2021.
[[noreturn]] void fail_decoding(Msg text_id, Msg caption = Msg::caption);
// An I/O failure of reading or extracting (stop icon), result 2023: the text
// directly followed by `detail`.
[[noreturn]] void fail_read_side(Msg text_id, const std::string& detail = {});
// An I/O failure of appending or deleting (no icon), result 2023.
[[noreturn]] void fail_write_side(Msg text_id, const std::string& detail = {});

// Shows the failure's message box (no owner).
void show(const Failure& failure);

}  // namespace arcsup
