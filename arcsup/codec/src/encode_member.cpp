#include "arc/encode.h"
#include "arc/method.h"
#include "repeat_compressor.h"
#include "string_table_compressor.h"

namespace arc {

namespace {

constexpr std::uint8_t crunched_width_byte = 12;

EncodeStatus end_status(const Reader& in, const Writer& out)
{
    if (in.failed())
        return EncodeStatus::read_failed;
    if (out.failed())
        return EncodeStatus::write_failed;
    return EncodeStatus::ok;
}

void encode_stored(Reader& in, Writer& out)
{
    for (auto block = in.available(); !block.empty() && !out.failed(); block = in.available()) {
        out.write(block);
        in.consume(block.size());
    }
}

void encode_packed(Reader& in, Writer& out)
{
    detail::RepeatCompressor packer(in);
    for (int byte = packer.next(); byte >= 0; byte = packer.next())
        out.put(static_cast<std::uint8_t>(byte));
}

// Feeds the string-table compressor from `next` (a byte or -1 at the end).
template <class Source>
void compress_strings(Source& source, Writer& out, CompressorTables& tables, int max_width)
{
    const int first = source.next();
    if (first < 0)
        return;
    detail::StringTableCompressor compressor(tables.tables(), out, max_width);
    compressor.start(static_cast<std::uint8_t>(first));
    for (int byte = source.next(); byte >= 0; byte = source.next())
        compressor.add(static_cast<std::uint8_t>(byte));
    compressor.finish();
}

struct PlainSource {
    Reader& in;
    int next() { return in.get(); }
};

} // namespace

EncodeStatus encode_member(int m, Reader& source, Writer& out, CompressorTables& tables)
{
    switch (m) {
    case method::stored:
        encode_stored(source, out);
        break;
    case method::packed:
        encode_packed(source, out);
        break;
    case method::crunched: {
        out.put(crunched_width_byte);
        detail::RepeatCompressor packer(source);
        compress_strings(packer, out, tables, 12);
        break;
    }
    case method::squashed: {
        PlainSource plain{source};
        compress_strings(plain, out, tables, 13);
        break;
    }
    default:
        return EncodeStatus::unsupported_method;
    }
    return end_status(source, out);
}

} // namespace arc
