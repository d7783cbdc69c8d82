#pragma once
// Decoding the LZW-coded pixels of one GIF image into the screen DIB.
#include "colour_merge.h"
#include "frame/byte_reader.h"
#include "pixel_sink.h"

namespace mirv::gif {

// Reads the image's data sub-blocks (from the code size byte on) up to and
// with their terminator. 0, or IPE_EOF, IPE_NOGIF, IPE_CANCELLED.
int decode_image(ByteReader& in, const Canvas& canvas, const Placement& image, const ColourMap& map);

}  // namespace mirv::gif
