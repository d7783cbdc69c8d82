#pragma once
// The colour table of a PCX picture of 2 or 16 colours, and the 256-colour
// palette block that follows the image data of an 8-bit picture.
#include "frame/byte_reader.h"
#include "pcx_header.h"
#include "platform/gdi/types.h"

namespace mirv::pcx {

// Black and white for 1 bit; for 16 colours the fixed table of version 3
// files, else the header's colour map.
void fixed_colours(const Header& h, const Layout& l, RGBQUAD* table);

// Reads the marker byte and 2^bits red, green, blue triples at the reader's
// position into the table: 0, or IPE_EOF when the file ends first.
int read_palette_block(ByteReader& in, unsigned bits, RGBQUAD* table);

}  // namespace mirv::pcx
