#include "arc/decode.h"

namespace arc {

std::string_view message_text(DecodeStatus status)
{
    switch (status) {
    case DecodeStatus::bad_huffman_tree:
        return "Datei hat einen ungültigen Dekodierbaum";
    case DecodeStatus::stack_overflow:
        return "Stack overflow";
    case DecodeStatus::too_many_bits:
        return "Zu viele Bits";
    default:
        return {};
    }
}

std::string_view status_name(DecodeStatus status)
{
    switch (status) {
    case DecodeStatus::ok:
        return "ok";
    case DecodeStatus::bad_huffman_tree:
        return "bad Huffman tree";
    case DecodeStatus::stack_overflow:
        return "stack overflow";
    case DecodeStatus::too_many_bits:
        return "too many bits";
    case DecodeStatus::bad_code:
        return "bad code";
    case DecodeStatus::unknown_method:
        return "unknown method";
    case DecodeStatus::read_failed:
        return "read failed";
    case DecodeStatus::write_failed:
        return "write failed";
    }
    return "?";
}

} // namespace arc
