// Encoding of ARC member data with the written methods 2, 3, 8 and 9.
#pragma once

#include <memory>

#include "arc/reader.h"
#include "arc/writer.h"

namespace arc {

enum class EncodeStatus {
    ok,
    // A method other than 2, 3, 8, 9; nothing was read or written.
    unsupported_method,
    // The reader's refill() or the writer's flush() reported a failure.
    read_failed,
    write_failed,
};

// The working tables of the string-table compressor (code packing buffer and
// the 9029-slot hash). Allocate once per append request and pass to every
// encode_member() call.
class CompressorTables {
public:
    CompressorTables();
    ~CompressorTables();
    CompressorTables(const CompressorTables&) = delete;
    CompressorTables& operator=(const CompressorTables&) = delete;

    struct Tables;
    Tables& tables() { return *tables_; }

private:
    std::unique_ptr<Tables> tables_;
};

// Compresses all bytes of `source` with `method` into `out`:
//  2 stored: the bytes unchanged;
//  3 packed: repeat compression (runs of 3..255 equal bytes as byte, 0x90,
//    count; a 0x90 as 0x90 0x00);
//  8 crunched: the byte 12, then repeat compression followed by the
//    string-table compressor with 9..12-bit codes;
//  9 squashed: the string-table compressor with 9..13-bit codes.
// The output is left in `out`: out.bytes_written() is the compressed size,
// and the caller either calls out.finish() or, when method_after_attempt()
// says so, out.reset() and a stored attempt. The CRC of the source is the
// caller's (its refill hook sees every source byte before it is compressed).
EncodeStatus encode_member(int method, Reader& source, Writer& out, CompressorTables& tables);

} // namespace arc
