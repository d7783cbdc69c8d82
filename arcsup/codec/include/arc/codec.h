// The ARC codec: CRC-16, byte input and output, decoding of methods 1..9,
// encoding of methods 2, 3, 8, 9 and the choice of the method to write.
//
// Typical extraction of one member:
//     arc::DecoderTables tables;                 // once
//     MemberReader in(archive, compressed_size); // derived from arc::Reader
//     OutputFile out(path);                      // derived from arc::Writer
//     arc::DecodeStatus st = arc::decode_member(method, in, out, tables);
//     bool written = out.finish();               // CRC is updated in flush()
//
// Typical compression of one file:
//     int m = arc::method_for_size(size);
//     arc::encode_member(m, source, out, compressor_tables);
//     int final = arc::method_after_attempt(m, out.bytes_written(), size);
//     if (final != m) { rewind source; out.reset(); encode_member(final, ...); }
//     out.finish();
#pragma once

#include "arc/crc16.h"
#include "arc/decode.h"
#include "arc/encode.h"
#include "arc/method.h"
#include "arc/reader.h"
#include "arc/writer.h"
