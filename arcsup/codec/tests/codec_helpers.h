// Whole-buffer wrappers around the codec for tests.
#pragma once

#include "arc/codec.h"
#include "test_data.h"

namespace arc::test {

struct Decoded {
    DecodeStatus status;
    Bytes data;
};

// Encodes with a library method (2, 3, 8, 9).
Bytes encode(int method, const Bytes& input);
// Decodes with any method; output beyond `limit` bytes makes the writer fail.
Decoded decode(int method, const Bytes& data, std::uint64_t limit = VectorWriter::unlimited);

// Packs string-table codes of `width` bits, least significant bit first, one
// group after another; every group but the last is padded to `width` bytes
// (the layout of methods 8 and 9 when the table is cleared).
Bytes pack_code_groups(const std::vector<std::vector<int>>& groups, int width);

// Reads a buffer in windows of `window` bytes, to exercise refills.
class ChunkedReader final : public Reader {
public:
    ChunkedReader(const Bytes& data, std::size_t window) : data_(data), window_(window) {}
    std::size_t refills() const { return refills_; }

protected:
    bool refill() override;

private:
    const Bytes& data_;
    std::size_t window_;
    std::size_t pos_ = 0;
    std::size_t refills_ = 0;
};

} // namespace arc::test
