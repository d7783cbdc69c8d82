#pragma once
// Reads one plane's scan line after another into one buffer, raw or
// run-length coded; a run never carries over into the next scan line.
#include <cstdint>
#include <vector>

#include "frame/byte_reader.h"

namespace mirv::pcx {

class ScanLineReader {
public:
    ScanLineReader(ByteReader& in, std::size_t bytes, bool rle) : in_(in), line_(bytes), rle_(rle) {}

    // Fills the buffer with the next scan line: 0, IPE_EOF when the file
    // ends first, IPE_NOPCX for a run that would pass the end of the line.
    int next();
    const std::uint8_t* data() const { return line_.data(); }
    std::size_t size() const { return line_.size(); }

private:
    int next_raw();
    int next_rle();
    int next_code(std::uint8_t*& out, std::uint8_t* end);

    ByteReader& in_;
    std::vector<std::uint8_t> line_;
    bool rle_;
};

}  // namespace mirv::pcx
