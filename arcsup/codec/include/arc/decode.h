// Decoding of ARC member data, methods 1 to 9.
#pragma once

#include <memory>
#include <string_view>

#include "arc/reader.h"
#include "arc/writer.h"

namespace arc {

enum class DecodeStatus {
    ok,
    // Method 4: node count below 0 or above 256, a child outside the nodes
    // or the values, or a tree cut short by the end of the data.
    bad_huffman_tree,
    // Methods 5..9: a string longer than the decode stack (4095 bytes for
    // 5..7, 8192 for 8 and 9), or a string whose table chain does not match
    // its length. Kept as a last guard: the code checks of bad_code already
    // refuse the damaged data that could lead there.
    stack_overflow,
    // Method 8: the first data byte is not 12.
    too_many_bits,
    // Damaged string-table data: methods 8 and 9, a first code or a code
    // right after a clear that is not a byte, a code beyond the next free
    // code, or equal to it when the table is full; methods 5..7, a first code
    // naming an unused table slot, or an unused slot that the step's own
    // new entry does not fill. No compressor writes such codes; refusing
    // them keeps every string the one its entry was made from.
    bad_code,
    // A method byte other than 1..9; nothing was read or written.
    unknown_method,
    // The reader's refill() or the writer's flush() reported a failure.
    read_failed,
    write_failed,
};

// The module's message for a status that has one ("Datei hat einen
// ungültigen Dekodierbaum", "Stack overflow", "Zu viele Bits", UTF-8), else
// an empty view.
std::string_view message_text(DecodeStatus status);
// A short English name of the status for logs and test output.
std::string_view status_name(DecodeStatus status);

// The working tables of all decoders (Huffman tree, old-form string table
// and stack, adaptive-width tables and stack, and a 2 MiB history of recent
// output from which strings are copied: about 2.3 MiB in all). Allocate once
// and pass to every decode_member() call; a member allocates nothing. Not
// shared between threads at the same time.
class DecoderTables {
public:
    DecoderTables();
    ~DecoderTables();
    DecoderTables(const DecoderTables&) = delete;
    DecoderTables& operator=(const DecoderTables&) = delete;

    struct Tables;
    Tables& tables() { return *tables_; }

private:
    std::unique_ptr<Tables> tables_;
};

// Decodes one member's data with `method` from `in` into `out`.
//
// `in` must deliver exactly the member's compressed data (its compressed
// size) and then end; the squeezed tree counts as part of the data. Output
// goes through out.put()/write(); the caller calls out.finish() afterwards
// and computes the CRC in its flush hook. Decoding ends at the end of the
// data (or at the end value of method 4); trailing bytes after a method-4 end
// value are left unread. For any input the work is linear in the bytes read
// plus the bytes written, and no table, stack or buffer is overrun: damaged
// data ends with an error status after the bytes decoded so far.
// An empty method-8 member (no first byte) decodes to nothing.
DecodeStatus decode_member(int method, Reader& in, Writer& out, DecoderTables& tables);

} // namespace arc
