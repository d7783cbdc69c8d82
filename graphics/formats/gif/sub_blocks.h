#pragma once
// The data sub-blocks of one GIF image, taken one at a time: a length byte
// (1 to 255) and that many bytes; a length of 0 ends them.
#include <cstdint>
#include <span>

#include "frame/byte_reader.h"

namespace mirv::gif {

class SubBlocks {
public:
    explicit SubBlocks(ByteReader& in) : in_(in) {}

    // The bytes of the next sub-block; empty once the terminator or the end
    // of the file has come.
    std::span<const std::uint8_t> next();

    // After the end code: passes over what is left of the data up to and
    // with the terminator. False when the file ends first.
    bool skip_to_terminator();

private:
    ByteReader& in_;
    std::uint8_t block_[255];
    bool ended_ = false;
};

}  // namespace mirv::gif
