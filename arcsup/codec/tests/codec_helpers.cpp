#include "codec_helpers.h"

#include <algorithm>

namespace arc::test {

Bytes encode(int method, const Bytes& input)
{
    static CompressorTables tables;
    Bytes out;
    MemoryReader reader(input);
    VectorWriter writer(out);
    const EncodeStatus status = encode_member(method, reader, writer, tables);
    writer.finish();
    if (status != EncodeStatus::ok)
        out.clear();
    return out;
}

Decoded decode(int method, const Bytes& data, std::uint64_t limit)
{
    static DecoderTables tables;
    Decoded result{};
    MemoryReader reader(data);
    VectorWriter writer(result.data, limit);
    result.status = decode_member(method, reader, writer, tables);
    if (!writer.finish() && result.status == DecodeStatus::ok)
        result.status = DecodeStatus::write_failed;
    return result;
}

Bytes pack_code_groups(const std::vector<std::vector<int>>& groups, int width)
{
    Bytes out;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        Bytes group;
        std::size_t bit = 0;
        for (int code : groups[g])
            for (int i = 0; i < width; ++i, ++bit) {
                if (bit % 8 == 0)
                    group.push_back(0);
                if ((code >> i) & 1)
                    group.back() |= static_cast<std::uint8_t>(1 << (bit % 8));
            }
        if (g + 1 < groups.size())
            group.resize(static_cast<std::size_t>(width), 0);
        out.insert(out.end(), group.begin(), group.end());
    }
    return out;
}

bool ChunkedReader::refill()
{
    if (pos_ >= data_.size())
        return false;
    const std::size_t size = std::min(window_, data_.size() - pos_);
    set_window(data_.data() + pos_, size);
    pos_ += size;
    ++refills_;
    return true;
}

} // namespace arc::test
